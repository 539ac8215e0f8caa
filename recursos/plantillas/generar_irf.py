#!/usr/bin/python3
"""Writes the statistics export template recursos/app/irf.xlsx.

Run with any Python 3, standard library only:
    python3 recursos/plantillas/generar_irf.py
The parts are written by hand so that every text is a shared string (some readers drop inline
strings) and the file comes out byte for byte the same on every run.

The export fills C6 (user), G6 and I6 (period) and, from row 9, two result rows per sheet row:
name in B and value in E on the left, name in F and value in I on the right.
"""
import os
import zipfile
from xml.sax.saxutils import escape

DESTINO = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "app", "irf.xlsx")

NS = 'xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"'
NS_R = 'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"'
CABECERA = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'

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


def hoja_y_textos():
    textos = []
    filas = []
    for numero, (alto, celdas) in sorted(FILAS.items()):
        atributos = f' r="{numero}"' + (f' ht="{alto}" customHeight="1"' if alto else "")
        xml = []
        for ref, formato, texto in celdas:
            if texto is None:
                xml.append(f'<c r="{ref}" s="{formato}"/>')
                continue
            if texto not in textos:
                textos.append(texto)
            xml.append(f'<c r="{ref}" s="{formato}" t="s"><v>{textos.index(texto)}</v></c>')
        filas.append(f"<row{atributos}>{''.join(xml)}</row>")
    columnas = "".join(f'<col min="{i}" max="{i}" width="{w}" customWidth="1"' + (f' style="{s}"' if s else "") + "/>"
                       for i, w, s in COLUMNAS)
    combinadas = "".join(f'<mergeCell ref="{r}"/>' for r in COMBINADAS)
    hoja = CABECERA + (
        f"<worksheet {NS} {NS_R}>"
        '<sheetPr><pageSetUpPr fitToPage="1"/></sheetPr>'
        '<dimension ref="B1:I8"/>'
        '<sheetViews><sheetView showGridLines="0" tabSelected="1" workbookViewId="0">'
        '<pane ySplit="8" topLeftCell="A9" activePane="bottomLeft" state="frozen"/>'
        '<selection pane="bottomLeft" activeCell="B9" sqref="B9"/></sheetView></sheetViews>'
        '<sheetFormatPr defaultRowHeight="15"/>'
        f"<cols>{columnas}</cols>"
        f"<sheetData>{''.join(filas)}</sheetData>"
        f'<mergeCells count="{len(COMBINADAS)}">{combinadas}</mergeCells>'
        '<pageMargins left="0.5" right="0.5" top="0.75" bottom="0.75" header="0.3" footer="0.3"/>'
        '<pageSetup paperSize="9" orientation="landscape" fitToWidth="1" fitToHeight="0"/>'
        "</worksheet>")
    compartidos = CABECERA + (
        f'<sst {NS} count="{len(textos)}" uniqueCount="{len(textos)}">'
        + "".join(f"<si><t>{escape(t)}</t></si>" for t in textos) + "</sst>")
    return hoja, compartidos


def partes():
    hoja, compartidos = hoja_y_textos()
    return [
        ("[Content_Types].xml", CABECERA + (
            '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
            '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
            '<Default Extension="xml" ContentType="application/xml"/>'
            '<Override PartName="/xl/workbook.xml" '
            'ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>'
            '<Override PartName="/xl/worksheets/sheet1.xml" '
            'ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>'
            '<Override PartName="/xl/styles.xml" '
            'ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/>'
            '<Override PartName="/xl/sharedStrings.xml" '
            'ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/>'
            '<Override PartName="/docProps/core.xml" '
            'ContentType="application/vnd.openxmlformats-package.core-properties+xml"/>'
            '<Override PartName="/docProps/app.xml" '
            'ContentType="application/vnd.openxmlformats-officedocument.extended-properties+xml"/>'
            "</Types>")),
        ("_rels/.rels", CABECERA + (
            '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
            '<Relationship Id="rId1" '
            'Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" '
            'Target="xl/workbook.xml"/>'
            '<Relationship Id="rId2" '
            'Type="http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties" '
            'Target="docProps/core.xml"/>'
            '<Relationship Id="rId3" '
            'Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties" '
            'Target="docProps/app.xml"/>'
            "</Relationships>")),
        ("docProps/app.xml", CABECERA + (
            '<Properties xmlns="http://schemas.openxmlformats.org/officeDocument/2006/extended-properties">'
            "<Application>Ostrevia</Application></Properties>")),
        ("docProps/core.xml", CABECERA + (
            '<cp:coreProperties xmlns:cp="http://schemas.openxmlformats.org/package/2006/metadata/core-properties" '
            'xmlns:dc="http://purl.org/dc/elements/1.1/" xmlns:dcterms="http://purl.org/dc/terms/" '
            'xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">'
            "<dc:title>Informe estadístico de reclamos</dc:title><dc:creator>Ostrevia</dc:creator>"
            '<dcterms:created xsi:type="dcterms:W3CDTF">2024-01-01T00:00:00Z</dcterms:created>'
            "</cp:coreProperties>")),
        ("xl/workbook.xml", CABECERA + (
            f"<workbook {NS} {NS_R}><bookViews><workbookView/></bookViews>"
            '<sheets><sheet name="Estadisticas" sheetId="1" r:id="rId1"/></sheets>'
            '<definedNames><definedName name="_xlnm.Print_Titles" localSheetId="0">Estadisticas!$1:$8'
            "</definedName></definedNames></workbook>")),
        ("xl/_rels/workbook.xml.rels", CABECERA + (
            '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
            '<Relationship Id="rId1" '
            'Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" '
            'Target="worksheets/sheet1.xml"/>'
            '<Relationship Id="rId2" '
            'Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>'
            '<Relationship Id="rId3" '
            'Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" '
            'Target="sharedStrings.xml"/>'
            "</Relationships>")),
        ("xl/styles.xml", ESTILOS),
        ("xl/sharedStrings.xml", compartidos),
        ("xl/worksheets/sheet1.xml", hoja),
    ]


def main():
    with zipfile.ZipFile(DESTINO, "w", zipfile.ZIP_DEFLATED) as z:
        for nombre, texto in partes():
            # A fixed time stamp keeps the file identical from run to run.
            info = zipfile.ZipInfo(nombre, date_time=(2024, 1, 1, 0, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            z.writestr(info, texto.encode("utf-8"))


if __name__ == "__main__":
    main()
