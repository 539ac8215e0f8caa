#include "Importaciones.h"

#include "Catalogos.h"
#include "Comprobantes.h"
#include "Dialogos.h"
#include "Formularios.h"
#include "Importacion.h"
#include "Lugares.h"
#include "PCarga.h"
#include "Principal.h"
#include "Quejas.h"
#include "Resoluciones.h"
#include "Seguimientos.h"
#include "Textos.h"

#include <QHash>
#include <QSet>

namespace {

// Columns by their letters.
// clang-format off
enum Col : int {
    A = 1, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R, S, T,
    U, V, W, X, Y, Z, AA, AB, AC, AD, AE, AF, AG, AH, AI, AJ, AK, AL, AM, AN
};
// clang-format on

const QString kSinFecha = QStringLiteral("01/01/1900");

bool Preguntar(const QString& texto, const QString& titulo)
{
    return MsgBox(texto, Botones::SiNo, Icono::Ninguno, titulo) == Respuesta::Si;
}

class Novedades : public Importacion
{
public:
    explicit Novedades(const QString& ruta) : Importacion(ruta, QStringLiteral("ImportarNovedades")) {}

protected:
    void Preparar(int desde, int hasta) override { m_existentes = QuejasExistentes(Numeros(A, desde, hasta)); }

    void AlProgreso(int) override { VentanaPrincipal::TiempoACero(); }

    void Fila(int f) override
    {
        const qint32 pid = EnteroAbajo(f, A);
        // A number present, or queued by an earlier row of this batch, is skipped at once.
        if (m_existentes.contains(pid) || m_enCola.contains(pid))
            return;
        RegQueja q = QuejaVacia();
        q.pid = pid;
        SepararApellidoNombres(Celda(f, B), q.Apellido, q.Nombres);
        q.DNI = Celda(f, C);
        q.Telefono = Celda(f, D);
        q.Domicilio = Celda(f, E);
        q.Localidad = Celda(f, F);
        qint16 marcas[5];
        for (int c = G; c <= K; ++c)
            marcas[c - G] = marca(Celda(f, c));
        const QString fecha = Celdas::Fecha(Celda(f, O));
        q.fecha_queja = fecha.isEmpty() ? QStringLiteral("01/01/2012") : fecha;
        q.detalle = Celda(f, Z);
        const QString causa = Celda(f, AA);
        const QString operador = Celda(f, AB);
        // Every cell is read before anything is looked up or created for the row.
        if (!operador.isEmpty())
            m_operador = Celdas::PalabraDeOperador(operador, QStringLiteral(","));
        q.causa = idCausa(causa);
        q.usuario = Operador(m_operador);
        q.Pais = QStringLiteral("Argentina");
        q.tipo_queja = TipoQuejaDesdeMarcas(marcas[0], marcas[1], marcas[2], marcas[3], marcas[4]);
        m_cola.Agregar(f, q);
        m_enCola.insert(pid);
    }

    void Escribir() override
    {
        EscribirCola(m_cola, InsertarQuejas);
        m_enCola.clear();
    }

private:
    static qint16 marca(const QString& texto)
    {
        const auto n = Celdas::Numero(texto);
        const auto e = n ? Celdas::EnteroRedondeado(*n) : std::nullopt;
        return e && *e == 1 ? 1 : 0;
    }

    qint16 idCausa(const QString& detalle)
    {
        const auto it = m_causas.constFind(detalle);
        if (it != m_causas.constEnd())
            return *it;
        return m_causas[detalle] = GetOAgregarCausa(detalle);
    }

    Cola<RegQueja> m_cola;
    QSet<qint32> m_existentes;
    QSet<qint32> m_enCola;
    QHash<QString, qint16> m_causas;
    // The operator of the last row that named one: an empty AB repeats it.
    QString m_operador;
};

class Lugares : public Importacion
{
public:
    explicit Lugares(const QString& ruta) : Importacion(ruta, QStringLiteral("ImportarLugares")) {}

protected:
    void Preparar(int desde, int hasta) override { m_existentes = LugaresExistentes(Numeros(A, desde, hasta)); }

    void AlProgreso(int) override { CargaImportacion()->descripcionb(QStringLiteral("Fecha de suceso: ") + m_fecha); }

    void Fila(int f) override
    {
        RegLugar l = LugarVacio();
        // An empty A still places the row's data, under complaint number 0, looked up nowhere.
        const bool conNumero = !Celda(f, A).isEmpty();
        if (conNumero) {
            l.NroQueja = EnteroAbajo(f, A);
            if (m_existentes.contains(l.NroQueja) || m_enCola.contains(l.NroQueja))
                return;
        }
        const QString p = Celda(f, P), n = Celda(f, N), q = Celda(f, Q), r = Celda(f, R), s = Celda(f, S),
                      t = Celda(f, T), u = Celda(f, U), v = Celda(f, V), x = Celda(f, X), y = Celda(f, Y);
        bool datos = false;
        for (const QString* c : {&p, &q, &r, &s, &t, &u, &v, &x, &y})
            datos = datos || !c->isEmpty();
        if (!p.isEmpty()) {
            l.Fecha = FechaValida(p, n);
            m_fecha = l.Fecha;
        }
        if (!q.isEmpty())
            l.Hora_Serv = Celdas::ComoHora(q);
        l.Desde = r;
        l.Hasta = s;
        qint16 empresa = 0;
        if (!t.isEmpty()) {
            l.Det_Lugar = t;
            l.Unidad = t;
            coche(t, l, empresa);
        }
        l.Sector = u;
        l.Det_legajos = x;
        l.Legajos = y;
        if (!datos)
            return;
        m_cola.Agregar(f, {l, empresa});
        if (conNumero)
            m_enCola.insert(l.NroQueja);
    }

    void Escribir() override
    {
        EscribirCola(m_cola, [](const QVector<LugarConEmpresa>& filas) {
            QVector<RegLugar> lugares;
            QVector<qint16> empresas;
            for (const LugarConEmpresa& f : filas) {
                lugares.append(f.lugar);
                empresas.append(f.empresa);
            }
            return InsertarLugares(lugares, empresas);
        });
        m_enCola.clear();
    }

private:
    struct LugarConEmpresa
    {
        RegLugar lugar;
        qint16 empresa = 0;
    };
    struct Coche
    {
        RegCoche coche;
        RegEmpresa empresa;
    };

    // A numeric T names a coach: the place is that coach and the complaint takes its company.
    void coche(const QString& t, RegLugar& l, qint16& empresa)
    {
        const auto numero = Celdas::Numero(t);
        const auto interno = numero ? Celdas::EnteroRedondeado(*numero) : std::nullopt;
        if (!interno)
            return;
        auto it = m_coches.find(*interno);
        if (it == m_coches.end()) {
            Coche c;
            c.coche = GetCocheBasico(*interno);
            c.empresa = GetEmpresa(c.coche.Empresa.PID);
            it = m_coches.insert(*interno, c);
        }
        if (it->empresa.PID > 0)
            empresa = it->empresa.PID;
        if (it->coche.Interno > 0) {
            l.Dato3 = it->empresa.Detalle;
            l.Dato4 = it->coche.Dominio;
            l.Dato5 = QString::number(it->coche.Asientos);
            l.Det_Lugar = QString::number(it->coche.Interno);
            l.Lugar = 2;
        }
    }

    Cola<LugarConEmpresa> m_cola;
    QSet<qint32> m_existentes;
    QSet<qint32> m_enCola;
    QHash<qint32, Coche> m_coches;
    // The event date of the last row that had one.
    QString m_fecha;
};

class Resoluciones : public Importacion
{
public:
    explicit Resoluciones(const QString& ruta) : Importacion(ruta, QStringLiteral("ImportarResoluciones")) {}

protected:
    void Preparar(int desde, int hasta) override
    {
        QVector<qint32> numeros = Numeros(A, desde, hasta);
        m_existentes = QuejasExistentes(numeros);
        numeros.append(0); // the rows without a number
        m_resueltas = ResolucionesExistentes(numeros);
    }

    void AlProgreso(int) override { CargaImportacion()->descripcionb(QStringLiteral("Fecha Res: ") + m_fecha); }

    void Fila(int f) override
    {
        RegResolucion r = ResolucionVacia();
        if (!Celda(f, A).isEmpty()) {
            r.IDQueja = EnteroAbajo(f, A);
            if (!m_existentes.contains(r.IDQueja)) {
                Registrar(f, ErrorEjecucion{0, QStringLiteral("el reclamo %1 no existe").arg(r.IDQueja)});
                return;
            }
        }
        QString c[AJ - AC + 1];
        bool datos = false;
        for (int col = AC; col <= AJ; ++col) {
            c[col - AC] = Celda(f, col);
            // A closed flag alone, or a "0", is no resolution.
            if (col != AH && !c[col - AC].isEmpty() && c[col - AC] != QLatin1String("0"))
                datos = true;
        }
        const auto celda = [&](int col) -> const QString& { return c[col - AC]; };
        r.Supervisor = celda(AC);
        r.Detalle = celda(AD);
        if (!celda(AE).isEmpty())
            r.Fecha = FechaValida(celda(AE), kSinFecha);
        r.Monto = celda(AF);
        if (!celda(AG).isEmpty()) {
            r.FechaFin = FechaValida(celda(AG), kSinFecha);
            if (r.FechaFin != kSinFecha) {
                m_fecha = r.FechaFin;
                if (r.Fecha == kSinFecha)
                    r.Fecha = r.FechaFin;
            } else {
                r.FechaFin.clear();
            }
            if (r.Fecha == kSinFecha)
                r.Fecha.clear();
        }
        if (const auto n = Celdas::Numero(celda(AH))) {
            const auto cerrada = Celdas::EnteroAbajo(*n);
            if (!cerrada || *cerrada < -32768 || *cerrada > 32767)
                throw FilaInvalida{
                    QStringLiteral("la columna AH es un número demasiado grande: \"%1\"").arg(celda(AH))};
            r.Cerrada = qint16(*cerrada);
        }
        r.Sancion = celda(AI);
        if (!celda(AJ).isEmpty())
            r.Usuario = Operador(Celdas::PalabraDeOperador(celda(AJ), QStringLiteral(", ")));
        if (!datos)
            return;
        // A complaint keeps one resolution: a second one is refused without asking the database.
        if (m_resueltas.contains(r.IDQueja)) {
            Registrar(
                f, ErrorEjecucion{-2147217873, QStringLiteral("el reclamo %1 ya tiene una resolución").arg(r.IDQueja)});
            return;
        }
        m_cola.Agregar(f, r);
        m_resueltas.insert(r.IDQueja);
    }

    void Escribir() override { EscribirCola(m_cola, InsertarResoluciones); }

private:
    Cola<RegResolucion> m_cola;
    QSet<qint32> m_existentes;
    // Complaints with a resolution, stored or queued.
    QSet<qint32> m_resueltas;
    // The last end date read.
    QString m_fecha;
};

// The imports of one column per row that show the previous row's complaint number.
class PorNumero : public Importacion
{
public:
    using Importacion::Importacion;

protected:
    void AlProgreso(int fila) override
    {
        if (fila > 2)
            CargaImportacion()->descripcionb(QStringLiteral("Nro Reclamo: ") + QString::number(m_numero));
    }

    qint32 m_numero = 0;
};

class TiposQueja : public PorNumero
{
public:
    explicit TiposQueja(const QString& ruta) : PorNumero(ruta, QStringLiteral("ActualizarTiposQueja")) {}

protected:
    void Fila(int f) override
    {
        RegQueja q = QuejaVacia();
        q.pid = m_numero = EnteroRedondeado(f, A);
        // The first flag holding exactly "1", in column order.
        static const std::pair<int, qint16> kMarcas[] = {{G, 3}, {H, 4}, {I, 5}, {J, 2}, {K, 1}};
        for (const auto& [col, tipo] : kMarcas)
            if (Celda(f, col) == QLatin1String("1")) {
                q.tipo_queja = tipo;
                break;
            }
        m_cola.Agregar(f, q);
    }

    void Escribir() override { EscribirCola(m_cola, SetTiposQueja); }

private:
    Cola<RegQueja> m_cola;
};

class Comprobantes : public PorNumero
{
public:
    explicit Comprobantes(const QString& ruta) : PorNumero(ruta, QStringLiteral("ImportarComprobantes")) {}

protected:
    void Fila(int f) override
    {
        FilaComprobantes c;
        c.NrQueja = m_numero = EnteroRedondeado(f, A, true);
        const QString v = Celda(f, V), w = Celda(f, W);
        if (!w.isEmpty())
            c.Items.append({1, w});
        if (!v.isEmpty())
            c.Items.append({qint16(w.isEmpty() ? 3 : 2), v});
        if (!c.Items.isEmpty())
            m_cola.Agregar(f, c);
    }

    void Escribir() override { EscribirCola(m_cola, AgregarComprobantes); }

private:
    Cola<FilaComprobantes> m_cola;
};

class Expedientes : public PorNumero
{
public:
    explicit Expedientes(const QString& ruta) : PorNumero(ruta, QStringLiteral("ImportarExpedientes")) {}

protected:
    void Fila(int f) override
    {
        RegQueja q = QuejaVacia();
        q.pid = m_numero = EnteroRedondeado(f, A, true);
        q.NrLib = Celda(f, AN);
        if (!q.NrLib.isEmpty())
            m_cola.Agregar(f, q);
    }

    void Escribir() override { EscribirCola(m_cola, SetNrLibs); }

private:
    Cola<RegQueja> m_cola;
};

class Seguimientos : public Importacion
{
public:
    explicit Seguimientos(const QString& ruta) : Importacion(ruta, QStringLiteral("ImportarSeguimientos")) {}

protected:
    void AlProgreso(int fila) override
    {
        if (fila == 2)
            return;
        PCarga* carga = CargaImportacion();
        carga->descripcion(QStringLiteral("Cargando seguimientos"));
        carga->descripcionb(QStringLiteral("Registro: %1 de %2").arg(fila).arg(UltimaFila()));
    }

    void Fila(int f) override
    {
        const QString b = Celda(f, B), c = Celda(f, C), d = Celda(f, D), op = Celda(f, F);
        // A row with nothing to say would be a follow-up of no complaint with no text.
        if (b.isEmpty() && c.isEmpty() && d.isEmpty() && op.isEmpty())
            return;
        RegSeguimiento s = SeguimientoVacio();
        s.Queja = EnteroRedondeado(f, B, true);
        s.Detalle = c;
        if (!d.isEmpty()) {
            s.Fecha = Celdas::ComoFecha(d);
            // Stored without a date, as ever, but not without a word.
            if (!EsFechaValida(s.Fecha))
                Registrar(f, ErrorEjecucion{kErrorTipos,
                                            QStringLiteral("la columna D no es una fecha: \"%1\"; el seguimiento se "
                                                           "guarda sin fecha")
                                                .arg(d)});
        }
        if (!op.isEmpty())
            s.Usuario = Operador(Celdas::PalabraDeOperador(op, QStringLiteral(", ")));
        m_cola.Agregar(f, s);
    }

    void Escribir() override { EscribirCola(m_cola, InsertarSeguimientos); }

private:
    Cola<RegSeguimiento> m_cola;
};

// The imports that stand alone: the progress window goes at the end.
template <typename T> void correrSolo(const QString& ruta, const QString& textoTrabajando)
{
    if (Importacion::EnCurso())
        return;
    T importacion(ruta);
    if (importacion.Correr(textoTrabajando.isEmpty() ? QString() : QStringLiteral("Abriendo excel"), textoTrabajando))
        Formulario<PCarga>::Descargar();
}

} // namespace

void ImportarNovedades(const QString& ruta)
{
    if (Importacion::EnCurso())
        return;
    if (Preguntar(QStringLiteral("Proceder con la importación de novedades?"), QStringLiteral("Importar Novedades"))) {
        Novedades n(ruta);
        if (!n.Correr(QStringLiteral("Abriendo excel - Etapa 1/3"), QStringLiteral("Importando Novedades - Etapa 1/3")))
            return;
    }
    ImportarLugares(ruta);
}

void ImportarLugares(const QString& ruta)
{
    if (Importacion::EnCurso())
        return;
    if (Preguntar(QStringLiteral("Proceder con la importación de Lugares?"),
                  QStringLiteral("Importar Lugares y fechas"))) {
        Lugares l(ruta);
        if (!l.Correr(QStringLiteral("Abriendo excel - Etapa 2/3"), QStringLiteral("Importando Lugares - Etapa 2/3")))
            return;
    }
    ImportarResoluciones(ruta);
}

void ImportarResoluciones(const QString& ruta)
{
    if (Importacion::EnCurso())
        return;
    if (Preguntar(QStringLiteral("Proceder con la importación de resoluciones?"),
                  QStringLiteral("Importar Resoluciones"))) {
        Resoluciones r(ruta);
        if (!r.Correr(QStringLiteral("Abriendo excel - Etapa 3/3"),
                      QStringLiteral("Importando Resoluciones - Etapa 3/3")))
            return;
    }
    Formulario<PCarga>::Descargar();
}

void ActualizarTiposQueja(const QString& ruta)
{
    correrSolo<TiposQueja>(ruta, QStringLiteral("Actualizando registros"));
}

void ImportarComprobantes(const QString& ruta)
{
    correrSolo<Comprobantes>(ruta, QStringLiteral("Importando comprobantes"));
}

void ImportarExpedientes(const QString& ruta)
{
    correrSolo<Expedientes>(ruta, QStringLiteral("Importando Expedientes"));
}

void ImportarSeguimientos(const QString& ruta)
{
    // This import names no step while it opens the workbook.
    correrSolo<Seguimientos>(ruta, QString());
}
