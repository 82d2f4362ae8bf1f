#pragma once

#include <QString>
#include <QVector>
#include <QWidget>

#include <optional>

namespace Ui {
class Login;
}

// The login window: the user picks a role and types its password. A correct password
// emits the role's signal; the main window then shows the role's view.
class Login : public QWidget {
    Q_OBJECT

public:
    explicit Login(QWidget* parent = nullptr);
    ~Login() override;

    // The decoded passwords, index 0 installer, 1 service partner, 2 inverter partner, 3 admin;
    // none for a role whose entry is missing or damaged: that role cannot log in.
    QVector<std::optional<QString>> passwords() const { return rolePasswords; }

    // The role offered first (the one last logged in with), by its index in the list.
    void selectRole(int role);

signals:
    // The user picked another interface language (a code of languages()).
    void languageChosen(const QString& code);
    void installer();
    void service_partner();
    void inverter_partner();
    void admin();

private slots:
    void on_Btn_Login_clicked();
    void on_Btn_Cancel_clicked();

private:
    Ui::Login* form;
    QVector<std::optional<QString>> rolePasswords;
    bool passwordsFileFound = false;
};
