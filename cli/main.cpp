#include "app/language.h"
#include "cli/cli.h"

#include <QCoreApplication>
#include <QTextStream>

#include <unistd.h>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    installLanguage(preferredLanguage());
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setCodec("UTF-8");
    err.setCodec("UTF-8");
    return runCli(QCoreApplication::arguments(), out, err, isatty(STDERR_FILENO) != 0);
}
