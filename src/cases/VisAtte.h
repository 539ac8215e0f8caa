#pragma once

#include "Quejas.h"
#include "Ventana.h"

#include <QHash>
#include <QPair>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Atencion Abierta": one complaint shown and completed, and the hub that opens its place,
// vouchers, follow-up and resolution windows. Its case state (editable, solved, annulled)
// governs every field edit made here.
class VisAtte : public Ventana
{
    Q_OBJECT
public:
    VisAtte();

    // Loads the complaint and shows the window; callers pass numbers of existing complaints.
    void Cargar_Reclamo(qint32 numero);
    // Empties the window; the case state is left as it was.
    void Cerrar_Reclamo();

    // 0 editable, 1 solved, 2 annulled.
    qint16 EstadoCaso() const { return m_estado; }
    qint32 NumeroCargado() const { return m_numero; }

public slots:
    void Apellido_DblClick();
    void Nombres_DblClick();
    void DNI_DblClick();
    void Telefono_DblClick();
    void Celular_DblClick();
    void Correo_DblClick();
    void Domicilio_DblClick();
    void Localidad_DblClick();
    void Provincia_DblClick();
    void Pais_DblClick();
    void Numero_Click();
    void Mediador_DblClick();
    void NroQueja_Click();

    void Detalle_DblClick();
    void Guarda_Detalle_Click();
    void Cancelar_Click();

    void LblCausa_DblClick();
    void Motivo_rec_Click();
    void CmdGuarMotRe_Click();
    void CmdCancelmtq_Click();

    void Datoss_Click();
    void Scomp_Click();
    void Seguimientos_Click();
    void Resolucion_Click();
    void Imprimir_Atte_Click();
    void CmdARec_Click();
    void CmdGNue_Click();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // Shows the refusal of a solved or annulled case, as stored; true when the case may be changed.
    bool PuedeModificar();
    void ModificarCampo(const QString& valor, qint16 codigo);
    // The edit of a value field: a box or a label, whose text the edit starts from.
    void CampoEditado(qint16 codigo, const QWidget* control);
    void TerminarEdicionDetalle();

    qint32 m_numero = 0;
    RegQueja m_queja;
    qint16 m_estado = 0;
    // Field values whose save was given up, by complaint and field code, offered at the next edit.
    QHash<QPair<qint32, qint16>, QString> m_sinGuardar;

    QGroupBox* m_carga = nullptr;
    QGroupBox* m_dtRec = nullptr;
    QGroupBox* m_frmeCmbMotCau = nullptr;

    QLineEdit* m_apellido = nullptr;
    QLineEdit* m_nombres = nullptr;
    QLineEdit* m_dni = nullptr;
    QLineEdit* m_fecha = nullptr;
    QLineEdit* m_hora = nullptr;
    QLineEdit* m_telefono = nullptr;
    QLineEdit* m_celular = nullptr;
    QLineEdit* m_correo = nullptr;
    QLineEdit* m_domicilio = nullptr;
    QLineEdit* m_localidad = nullptr;
    QLineEdit* m_provincia = nullptr;
    QLineEdit* m_pais = nullptr;
    QLabel* m_numeroLbl = nullptr;
    QLabel* m_mediador = nullptr;
    QLabel* m_nroQueja = nullptr;

    QLabel* m_nrQueja = nullptr;
    QLabel* m_lblTipo = nullptr;
    QLabel* m_lblMotivo = nullptr;
    QLabel* m_lblCausa = nullptr;
    QLabel* m_lblEmpresa = nullptr;
    QLabel* m_usuario = nullptr;
    QPlainTextEdit* m_detalle = nullptr;

    QComboBox* m_motivoRec = nullptr;
    QComboBox* m_causaRec = nullptr;
    QPushButton* m_cmdGuarMotRe = nullptr;
    QPushButton* m_cmdCancelmtq = nullptr;

    QPushButton* m_datoss = nullptr;
    QPushButton* m_scomp = nullptr;
    QPushButton* m_seguimientos = nullptr;
    QPushButton* m_resolucion = nullptr;
    QPushButton* m_imprimirAtte = nullptr;
    QPushButton* m_cmdARec = nullptr;
    QPushButton* m_cmdGNue = nullptr;
    QPushButton* m_guardaDetalle = nullptr;
    QPushButton* m_cancelar = nullptr;
};
