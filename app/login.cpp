#include "app/login.h"

#include "app/language.h"
#include "app/passwordcodec.h"
#include "app/settings.h"
#include "app/version.h"
#include "ui_login.h"

#include <QFileInfo>
#include <QPixmap>

Login::Login(QWidget* parent)
    : QWidget(parent)
    , form(new Ui::Login) {
    form->setupUi(this);
    // The placeholder comes after the items, so Installer stays selected and it never shows.
    form->comboBox->setPlaceholderText(tr("Choose your character"));
    setWindowTitle(QLatin1String(LoginWindowTitle));
    form->label_Logo->setPixmap(QPixmap(QStringLiteral("://Res/Lumeno Logo.jpg")));

    const QString current = preferredLanguage();
    for (const Language& language : languages()) {
        form->comboBox_Language->addItem(language.name, language.code);
        if (language.code == current)
            form->comboBox_Language->setCurrentIndex(form->comboBox_Language->count() - 1);
    }
    connect(form->comboBox_Language, QOverload<int>::of(&QComboBox::activated), this,
            [this](int index) {
                emit languageChosen(form->comboBox_Language->itemData(index).toString());
            });

    for (const std::optional<QString>& stored : AppSettings::load().storedPasswords)
        rolePasswords << (stored ? readStoredPassword(*stored) : std::nullopt);
    // Without the file no role can log in, whatever is typed: say how to set passwords.
    passwordsFileFound = QFileInfo::exists(AppSettings::fileName());
    connect(form->lineEdit_Password, &QLineEdit::returnPressed, this, &Login::on_Btn_Login_clicked);
}

void Login::selectRole(int role) {
    if (role >= 0 && role < form->comboBox->count())
        form->comboBox->setCurrentIndex(role);
}

Login::~Login() {
    delete form;
}

void Login::on_Btn_Login_clicked() {
    const int role = form->comboBox->currentIndex();
    if (role < 0 || role >= rolePasswords.size())
        return;
    if (!passwordsFileFound) {
        form->label_4->setText(tr("No passwords are set for this folder (no %1 here).\n"
                                  "Set them with: voltaro --set-password ROLE PASSWORD")
                                   .arg(AppSettings::fileName()));
        return;
    }
    if (!rolePasswords[role]) {
        form->label_4->setText(tr("No password is stored for this role."));
        return;
    }
    if (form->lineEdit_Password->text() != *rolePasswords[role]) {
        form->label_4->setText(role == 0
                                   ? tr("Password is wrong. \n It is same as WiFi's password!")
                                   : tr("Password is wrong!"));
        return;
    }
    form->label_4->clear();
    switch (role) {
    case 0:
        emit installer();
        break;
    case 1:
        emit service_partner();
        break;
    case 2:
        emit inverter_partner();
        break;
    default:
        emit admin();
        break;
    }
}

void Login::on_Btn_Cancel_clicked() {
    close();
}
