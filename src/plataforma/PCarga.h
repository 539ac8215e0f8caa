#pragma once

#include <QLabel>
#include <QWidget>

// The progress window of long operations. Loading it switches the main window off and
// unloading it switches the main window on again, whatever else is still open.
class PCarga : public QWidget
{
    Q_OBJECT
public:
    PCarga();
    ~PCarga() override;

    void Valor(const QString& texto);
    void descripcion(const QString& texto);
    void descripcionb(const QString& texto);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();
    void Form_Unload();

    QLabel* m_label2;
    QLabel* m_label3;
    QLabel* m_label4;
    bool m_descargado = false;
};
