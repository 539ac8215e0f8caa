#include "ImprimirSeguimientos.h"

#include "Aplicacion.h"
#include "Excel.h"
#include "Grilla.h"
#include "LibroSalida.h"
#include "Quejas.h"

namespace {

const QString kEtiqueta = QStringLiteral("Imprimir_Click en Seguimiento");

constexpr int kFina = 1;
constexpr int kJustificado = -4130;
constexpr int kDistribuido = 5;

// Hides the grid while it is read and shows it again on every way out.
class GrillaOculta
{
public:
    explicit GrillaOculta(Grilla& grilla) : m_grilla(grilla) { m_grilla.SetVisible(false); }
    ~GrillaOculta() { m_grilla.SetVisible(true); }
    GrillaOculta(const GrillaOculta&) = delete;
    GrillaOculta& operator=(const GrillaOculta&) = delete;

private:
    Grilla& m_grilla;
};

QString Celda(char columna, int fila)
{
    return QLatin1Char(columna) + QString::number(fila);
}

void Llenar(HojaExcel& hoja, qint32 numero, const RegQueja& q, const QString& empresa, const QString& reclamante,
            Grilla& grilla)
{
    LibroSalida::EscribirTexto(hoja, QStringLiteral("D5"), empresa);
    hoja.Range(QStringLiteral("D7")).SetValue(double(numero));
    LibroSalida::EscribirTexto(hoja, QStringLiteral("D11"), reclamante);
    LibroSalida::EscribirTexto(hoja, QStringLiteral("C12"), q.DNI);
    hoja.Range(QStringLiteral("F12")).SetValue(QLatin1Char('\'') + q.fecha_queja);
    LibroSalida::EscribirTexto(hoja, QStringLiteral("H12"), q.hora_queja);

    const GrillaOculta oculta(grilla);
    int r = 16;
    for (int i = 1; i < grilla.Rows(); ++i) {
        hoja.Range(Celda('B', r)).SetValue(QLatin1Char('\'') + grilla.TextMatrix(i, 1));
        hoja.Range(Celda('F', r), Celda('H', r)).Merge();
        LibroSalida::EscribirTexto(hoja, Celda('F', r), grilla.TextMatrix(i, 2));
        hoja.Range(Celda('F', r), Celda('H', r)).Borders().SetWeight(kFina);
        hoja.Range(Celda('B', r)).Borders().SetWeight(kFina);
        RangoExcel texto = hoja.Range(Celda('B', r + 1), Celda('H', r + 2));
        texto.Merge();
        texto.Borders().SetWeight(kFina);
        texto.SetHorizontalAlignment(kJustificado);
        texto.SetVerticalAlignment(kDistribuido);
        LibroSalida::EscribirTexto(hoja, Celda('B', r + 1), grilla.TextMatrix(i, 0));
        r += 4;
    }
}

} // namespace

QString ImprimirSeguimientos(qint32 numero, const QString& reclamante, Grilla& grilla)
{
    const RegQueja queja = GetQueja(numero);
    const QString empresa = GetEmpresaDesc(queja.Empresa.PID).Detalle;
    return LibroSalida::Exportar(Aplicacion::Ruta(QStringLiteral("mse.xlsx")), LibroSalida::Forma::GuardarComo,
                                 QString(), kEtiqueta,
                                 [&](HojaExcel& hoja) { Llenar(hoja, numero, queja, empresa, reclamante, grilla); });
}
