#include "ExportarReclamo.h"

#include "Aplicacion.h"
#include "Comprobantes.h"
#include "Excel.h"
#include "Formularios.h"
#include "LibroSalida.h"
#include "Lugares.h"
#include "PCarga.h"
#include "Quejas.h"
#include "Resoluciones.h"
#include "Textos.h"

#include <algorithm>
#include <iterator>

namespace {

const QString kEtiqueta = QStringLiteral("ExportarReclamo");

// Everything the sheet shows, read before the workbook is touched.
struct DatosReclamo
{
    RegQueja queja;
    RegLugar lugar;
    RegListaComprobantes comprobantes;
    RegResolucion resolucion;
    RegEmpresa empresa;
    QString tipo;
    QString motivo;
    QString causa;
};

DatosReclamo Leer(qint32 numero)
{
    DatosReclamo d;
    d.queja = GetQueja(numero);
    d.lugar = GetLugar(numero);
    d.comprobantes = GetComprobantes(numero);
    d.resolucion = GetResolucion(numero);
    d.empresa = GetEmpresaDesc(d.queja.Empresa.PID);
    d.tipo = GetTipoDesc(d.queja.tipo_queja);
    d.motivo = GetMotivoDesc(d.queja.motivo);
    d.causa = GetCausaDesc(d.queja.causa);
    return d;
}

// Labels and values of the place rows, by the kind of place; "" where a kind writes nothing.
struct CeldaLugar
{
    const char* celda;
    QString valor;
};

QVector<CeldaLugar> BloqueLugar(const RegLugar& l)
{
    switch (l.Lugar) {
    case 2:
        return {{"B27", QStringLiteral("Nro de unidad")}, {"C27", l.Det_Lugar},
                {"D27", QStringLiteral("Empresa")},       {"F27", l.Dato3},
                {"B28", QStringLiteral("Dominio")},       {"C28", l.Dato4},
                {"F28", QStringLiteral("Asientos")},      {"G28", l.Dato5}};
    case 1:
        return {{"B27", QStringLiteral("Agencia")},   {"C27", l.Dato3},
                {"D27", QStringLiteral("Localidad")}, {"F27", l.Dato5},
                {"B28", QStringLiteral("Provincia")}, {"C28", l.Dato6},
                {"F28", QStringLiteral("Direccion")}, {"G28", l.Dato7}};
    case 0:
        return {{"B27", QStringLiteral("Localidad")}, {"C27", l.Dato8},
                {"D27", QStringLiteral("Provincia")}, {"F27", l.Dato9},
                {"B28", QStringLiteral("Direccion")}, {"C28", l.Dato7}};
    default: return {};
    }
}

// Up to eight voucher lines, each taking the next cell whether or not it writes one.
void Comprobantes(HojaExcel& hoja, const RegListaComprobantes& lista)
{
    static const char* const kCeldas[] = {"B29", "B30", "B31", "D29", "D30", "D31", "G29", "G30"};
    if (lista.Tipo < 1 || lista.Tipo > 3)
        return;
    const int cantidad = std::min<int>(lista.Items.size(), std::size(kCeldas));
    for (int i = 0; i < cantidad; ++i) {
        const RegComprobante& c = lista.Items[i];
        QString prefijo;
        if (lista.Tipo == 3)
            prefijo = QStringLiteral("Encom: ");
        else if (c.Tipo == 1)
            prefijo = QStringLiteral("Boleto: ");
        else if (c.Tipo == 2)
            prefijo = QStringLiteral("Equipaje: ");
        else
            continue;
        hoja.Range(QLatin1String(kCeldas[i])).SetValue(prefijo + c.Texto);
    }
}

void Llenar(HojaExcel& hoja, const DatosReclamo& d)
{
    const auto texto = [&](const char* celda, const QString& valor) {
        LibroSalida::EscribirTexto(hoja, QLatin1String(celda), valor);
    };
    // The apostrophe keeps the text as typed (leading zeros, dates not turned into numbers).
    const auto comoTexto = [&](const char* celda, const QString& valor) {
        hoja.Range(QLatin1String(celda)).SetValue(QLatin1Char('\'') + valor);
    };
    const RegQueja& q = d.queja;
    texto("B4", d.empresa.Detalle);
    texto("F4", d.empresa.Cuit);
    hoja.Range(QStringLiteral("D7")).SetValue(double(q.pid));
    texto("C11", q.Apellido);
    texto("F11", q.Nombres);
    texto("C12", q.DNI);
    comoTexto("F12", q.fecha_queja);
    texto("H12", q.hora_queja);
    comoTexto("C13", q.Telefono);
    comoTexto("F13", q.Contacto);
    texto("C14", q.Correo);
    texto("B24", RestaurarComillas(q.detalle));
    texto("G14", d.tipo);
    texto("C16", d.motivo);
    texto("C17", d.causa);
    comoTexto("D21", d.lugar.Fecha);
    texto("G15", q.NrLib);
    texto("D35", d.lugar.Desde);
    texto("D38", d.lugar.Unidad);
    texto("D36", d.lugar.Hasta);
    texto("D37", d.lugar.Hora_Serv);

    for (const CeldaLugar& c : BloqueLugar(d.lugar))
        texto(c.celda, c.valor);
    Comprobantes(hoja, d.comprobantes);

    const RegResolucion& r = d.resolucion;
    texto("B42", r.Detalle);
    texto("C46", r.Fecha);
    texto("C47", r.Monto);
    texto("C48", r.Supervisor);
    texto("C49", r.Sancion);
}

} // namespace

QString ExportarReclamo(qint32 numero)
{
    const DatosReclamo datos = Leer(numero);
    Formulario<PCarga>::Obtener()->show();
    const QString ruta =
        LibroSalida::Exportar(Aplicacion::Ruta(QStringLiteral("iac.xlsx")), LibroSalida::Forma::GuardarComo, QString(),
                              kEtiqueta, [&](HojaExcel& hoja) { Llenar(hoja, datos); });
    Formulario<PCarga>::Descargar();
    return ruta;
}
