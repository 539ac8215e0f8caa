#include "Comprobantes.h"

#include "Conexion.h"
#include "Sql.h"

namespace {

// The rows of one complaint that share a kind and a ticket text.
QString filtro(const QString& t1, qint16 tipo, qint32 nrQueja)
{
    return QStringLiteral(" where NrQueja=") + SqlEntero(nrQueja) + QStringLiteral(" and tipo = ") + SqlEntero(tipo) +
           QStringLiteral(" and  T1 = ") + SqlTexto(t1);
}

} // namespace

RegListaComprobantes GetComprobantes(qint32 nrQueja)
{
    RegListaComprobantes lista;
    // Key order keeps the list stable after an edit (the server moves an updated row).
    Lectura lectura(QStringLiteral("Select PID, T1, T2, T3, Tipo from Comprobantes_quejas where NrQueja = ") +
                    SqlEntero(nrQueja) + QStringLiteral(" order by PID"));
    if (!lectura.HayFila()) {
        lista.Tipo = 0;
        lista.Ultimo = -1;
        return lista;
    }
    const bool encomiendas = Rs.Entero16(4) == 3;
    bool hayEquipaje = false;
    while (!Rs.Eof()) {
        RegComprobante c;
        if (encomiendas) {
            lista.T1 = Rs.Texto(1);
            lista.T2 = Rs.Texto(2);
            lista.T3 = Rs.Texto(3);
            c.Tipo = 3;
            c.Texto = lista.T1.isEmpty() || lista.T2.isEmpty() || lista.T3.isEmpty()
                          ? lista.T1
                          : lista.T1 + QLatin1Char(' ') + lista.T2 + QLatin1Char('-') + lista.T3;
        } else {
            c.Tipo = Rs.Entero16(4);
            c.Texto = Rs.Texto(1);
            if (c.Tipo == 2)
                hayEquipaje = true;
        }
        lista.Items.append(c);
        Rs.MoveNext();
    }
    lista.Ultimo = static_cast<qint16>(lista.Items.size() - 1);
    lista.Tipo = encomiendas ? 3 : hayEquipaje ? 2 : 1;
    return lista;
}

namespace {

QString sqlAgregarComprobante(qint32 clave, qint32 nrQueja, const QString& t1, const QString& t2, const QString& t3,
                              qint16 tipo)
{
    return QStringLiteral("Insert Into Comprobantes_quejas (PID, T1, T2, T3, Tipo, NrQueja) Values ( ") +
           QStringList{SqlEntero(clave), SqlTexto(t1), SqlTexto(t2), SqlTexto(t3), SqlEntero(tipo), SqlEntero(nrQueja)}
               .join(QStringLiteral(", ")) +
           QStringLiteral(")");
}

const QString kUltimaClave = QStringLiteral("Select PID from Comprobantes_quejas order by pid desc LIMIT 1");

} // namespace

bool AgregarComprobante(qint32 nrQueja, const QString& t1, const QString& t2, const QString& t3, qint16 tipo)
{
    return InsertarConClaveNueva(kUltimaClave, [&](qint32 clave) {
               return sqlAgregarComprobante(clave, nrQueja, t1, t2, t3, tipo);
           }) != -1;
}

QVector<ResultadoFila> AgregarComprobantes(const QVector<FilaComprobantes>& filas)
{
    QVector<FilaLote> lote;
    lote.reserve(filas.size());
    for (const FilaComprobantes& f : filas)
        lote.append({int(f.Items.size()), [f](qint32 primera) {
                         // The row's last key may be the top of the range: nothing counts past it.
                         QStringList sentencias;
                         for (int i = 0; i < f.Items.size(); ++i)
                             sentencias << sqlAgregarComprobante(primera + i, f.NrQueja, f.Items[i].Texto, QString(),
                                                                 QString(), f.Items[i].Tipo);
                         return sentencias;
                     }});
    return EjecutarFilas(lote, kUltimaClave);
}

void ModificarComprobante(const QString& viejo, qint16 tipo, qint32 nrQueja, const QString& nuevo)
{
    if (nuevo.isEmpty()) {
        EjecutarQuery(QStringLiteral("delete from Comprobantes_Quejas") + filtro(viejo, tipo, nrQueja));
        return;
    }
    // Only the first matching row changes, even when several share kind and text.
    const std::optional<qint32> pid =
        LeerFila(QStringLiteral("select pid from Comprobantes_quejas") + filtro(viejo, tipo, nrQueja) +
                     QStringLiteral(" order by pid LIMIT 1"),
                 [] { return Rs.Entero32(0); });
    // Another workstation deleted it meanwhile: nothing to change.
    if (!pid)
        return;
    EjecutarQuery(QStringLiteral("update comprobantes_quejas set T1 =  ") + SqlTexto(nuevo) +
                  QStringLiteral(" where pid = ") + SqlEntero(*pid));
}
