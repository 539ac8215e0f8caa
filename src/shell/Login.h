#pragma once

#include <QWidget>

// The login window.
class Login : public QWidget
{
    Q_OBJECT
public:
    Login();
};
