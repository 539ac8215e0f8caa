#!/usr/bin/python3
"""Writes the statistics export template recursos/app/irf.xlsx.

Run with any Python 3, standard library only:
    python3 recursos/plantillas/generar_irf.py
The parts are written by libro.py, byte for byte the same on every run.

The export fills C6 (user), G6 and I6 (period) and, from row 9, two result rows per sheet row:
name in B and value in E on the left, name in F and value in I on the right.
"""
import os
import sys

sys.dont_write_bytecode = True
import libro  # noqa: E402
from libro import CABECERA, NS  # noqa: E402

DESTINO = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "app", "irf.xlsx")

# Cell formats (index = position in cellXfs).
NORMAL, DERECHA, TITULO, SUBTITULO, ETIQUETA, DATO, ENCABEZADO, ENCABEZADO_DERECHA = range(8)

ESTILOS = CABECERA + f"""<styleSheet {NS}>
<fonts count="5">
<font><sz val="11"/><name val="Calibri"/><family val="2"/></font>
<font><b/><sz val="16"/><color rgb="FFFFFFFF"/><name val="Calibri"/><family val="2"/></font>
<font><i/><sz val="11"/><color rgb="FF404040"/><name val="Calibri"/><family val="2"/></font>
<font><b/><sz val="11"/><name val="Calibri"/><family val="2"/></font>
<font><b/><sz val="11"/><color rgb="FF1F4E79"/><name val="Calibri"/><family val="2"/></font>
</fonts>
<fills count="4">
<fill><patternFill patternType="none"/></fill>
<fill><patternFill patternType="gray125"/></fill>
<fill><patternFill patternType="solid"><fgColor rgb="FF1F4E79"/><bgColor indexed="64"/></patternFill></fill>
<fill><patternFill patternType="solid"><fgColor rgb="FFDDEBF7"/><bgColor indexed="64"/></patternFill></fill>
</fills>
<borders count="3">
<border><left/><right/><top/><bottom/><diagonal/></border>
<border><left/><right/><top/><bottom style="thin"><color rgb="FF8EA9C1"/></bottom><diagonal/></border>
<border><left/><right/><top/><bottom style="medium"><color rgb="FF1F4E79"/></bottom><diagonal/></border>
</borders>
<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>
<cellXfs count="8">
<xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/>
<xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0" applyAlignment="1"><alignment horizontal="right"/></xf>
<xf numFmtId="0" fontId="1" fillId="2" borderId="0" xfId="0" applyFont="1" applyFill="1" applyAlignment="1"><alignment horizontal="center" vertical="center"/></xf>
<xf numFmtId="0" fontId="2" fillId="0" borderId="0" xfId="0" applyFont="1" applyAlignment="1"><alignment horizontal="center"/></xf>
<xf numFmtId="0" fontId="3" fillId="0" borderId="0" xfId="0" applyFont="1" applyAlignment="1"><alignment horizontal="right"/></xf>
<xf numFmtId="0" fontId="0" fillId="0" borderId="1" xfId="0" applyBorder="1" applyAlignment="1"><alignment horizontal="left"/></xf>
<xf numFmtId="0" fontId="4" fillId="3" borderId="2" xfId="0" applyFont="1" applyFill="1" applyBorder="1"/>
<xf numFmtId="0" fontId="4" fillId="3" borderId="2" xfId="0" applyFont="1" applyFill="1" applyBorder="1" applyAlignment="1"><alignment horizontal="right"/></xf>
</cellXfs>
<cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles>
</styleSheet>
"""

# Column widths in characters; the value columns are right-aligned for the rows the export adds.
COLUMNAS = [(1, 2, NORMAL), (2, 34, NORMAL), (3, 5, NORMAL), (4, 5, NORMAL), (5, 12, DERECHA), (6, 34, NORMAL),
            (7, 12, NORMAL), (8, 8, NORMAL), (9, 12, DERECHA)]

# Row number -> (height or None, [(cell, format, text or None)]).
FILAS = {
    1: (24, [("B1", TITULO, "Informe estadístico de reclamos")] + [(c + "1", TITULO, None) for c in "CDEFGHI"]),
    2: (12, [(c + "2", TITULO, None) for c in "BCDEFGHI"]),
    3: (None, [("B3", SUBTITULO,
                "Cantidad o porcentaje de reclamos por motivo o por categoría, según la fecha del suceso")]),
    6: (None, [("B6", ETIQUETA, "Usuario:"), ("C6", DATO, None), ("D6", DATO, None), ("E6", DATO, None),
               ("F6", ETIQUETA, "Desde:"), ("G6", DATO, None), ("H6", ETIQUETA, "Hasta:"), ("I6", DATO, None)]),
    8: (None, [("B8", ENCABEZADO, "Motivo / Categoría"), ("C8", ENCABEZADO, None), ("D8", ENCABEZADO, None),
               ("E8", ENCABEZADO_DERECHA, "Cantidad"), ("F8", ENCABEZADO, "Motivo / Categoría"),
               ("G8", ENCABEZADO, None), ("H8", ENCABEZADO, None), ("I8", ENCABEZADO_DERECHA, "Cantidad")]),
}
COMBINADAS = ["B1:I2", "B3:I3", "C6:E6"]


def main():
    hoja, compartidos = libro.hoja_y_textos(FILAS, COLUMNAS, COMBINADAS, "B1:I8", congelar=8, apaisado=True)
    libro.escribir(DESTINO, libro.partes("Informe estadístico de reclamos", "Estadisticas", ESTILOS, hoja,
                                         compartidos, filas_titulo="$1:$8"))


if __name__ == "__main__":
    main()
