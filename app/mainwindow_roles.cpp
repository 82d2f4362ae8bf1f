#include "app/linkmonitorwindow.h"
#include "app/login.h"
#include "app/mainwindow.h"
#include "app/mainwindow_form.h"
#include "app/styles.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTabWidget>

namespace {

// A hidden tab is disabled and takes no room in its bar.
void hideTab(QTabWidget* tabs, int index) {
    tabs->setTabEnabled(index, false);
    tabs->setStyleSheet(QLatin1String(Style::HiddenDisabledTab));
}

} // namespace

void MainWindow::applyRoleView(const RoleView& view) {
    if (!view.translation)
        hideTab(ui->tabWidget_History, 2);
    if (!view.tool)
        hideTab(ui->tabWidget_History, 3);
    if (!view.details)
        hideTab(ui->tabWidget_2, 2);
    if (!view.section) {
        ui->label_7->hide();
        ui->label_APPVersion->hide();
    }
    userRole = view.role;
    userSettings().setValue(QStringLiteral("lastRole"), roleNames().indexOf(view.role));
    restoreGeometry(userSettings().value(QStringLiteral("window/geometry")).toByteArray());
    fitToScreen();
    linkMonitorEntry->setVisible(LinkMonitorWindow::allowedFor(view.role));
    show();
    fitToScreen(); // again, now that the frame around the window is known
    login->hide();
}

void MainWindow::fitToScreen() {
    const QRect available = screen()->availableGeometry();
    // Room for the frame the window manager adds.
    const QSize limit = available.size() - (frameGeometry().size() - geometry().size());
    resize(size().boundedTo(limit));
    if (!available.contains(frameGeometry()))
        move(available.topLeft());
}

void MainWindow::showInstallerView() {
    applyRoleView({QStringLiteral("installer"), false, false, false, false});
}

void MainWindow::showServicePartnerView() {
    applyRoleView({QStringLiteral("service_partner"), true, false, false, false});
}

void MainWindow::showInverterPartnerView() {
    applyRoleView({QStringLiteral("inverter_partner"), false, false, false, false});
}

void MainWindow::showAdminView() {
    applyRoleView({QStringLiteral("admin"), true, true, true, true});
}
