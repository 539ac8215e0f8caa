"""The package writer shared by the template generators (standard library only).

Every part is written by hand so that every text is a shared string (some readers drop inline
strings) and a template comes out byte for byte the same on every run.
"""
import zipfile
from xml.sax.saxutils import escape

NS = 'xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"'
NS_R = 'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"'
CABECERA = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
REL = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
TIPO = "application/vnd.openxmlformats-officedocument."


def hoja_y_textos(filas, columnas, combinadas, dimension, congelar=None, apaisado=False, paginas_alto=0):
    """The worksheet and shared-strings parts.

    filas: {row: (height or None, [(cell, format, text or None)])}; columnas: [(index, width, format)];
    congelar: rows kept in view above the scrolling part; paginas_alto: 0 lets the sheet run onto
    as many pages as it needs, 1 fits it on one page. It always prints one A4 page wide.
    """
    textos = []
    xml_filas = []
    for numero, (alto, celdas) in sorted(filas.items()):
        atributos = f' r="{numero}"' + (f' ht="{alto}" customHeight="1"' if alto else "")
        xml = []
        for ref, formato, texto in celdas:
            if texto is None:
                xml.append(f'<c r="{ref}" s="{formato}"/>')
                continue
            if texto not in textos:
                textos.append(texto)
            xml.append(f'<c r="{ref}" s="{formato}" t="s"><v>{textos.index(texto)}</v></c>')
        xml_filas.append(f"<row{atributos}>{''.join(xml)}</row>")
    xml_columnas = "".join(f'<col min="{i}" max="{i}" width="{w}" customWidth="1"' + (f' style="{s}"' if s else "")
                           + "/>" for i, w, s in columnas)
    xml_combinadas = "".join(f'<mergeCell ref="{r}"/>' for r in combinadas)
    if congelar:
        vista = (f'<pane ySplit="{congelar}" topLeftCell="A{congelar + 1}" activePane="bottomLeft" state="frozen"/>'
                 f'<selection pane="bottomLeft" activeCell="B{congelar + 1}" sqref="B{congelar + 1}"/>')
    else:
        vista = ""
    orientacion = "landscape" if apaisado else "portrait"
    hoja = CABECERA + (
        f"<worksheet {NS} {NS_R}>"
        '<sheetPr><pageSetUpPr fitToPage="1"/></sheetPr>'
        f'<dimension ref="{dimension}"/>'
        f'<sheetViews><sheetView showGridLines="0" tabSelected="1" workbookViewId="0">{vista}</sheetView></sheetViews>'
        '<sheetFormatPr defaultRowHeight="15"/>'
        f"<cols>{xml_columnas}</cols>"
        f"<sheetData>{''.join(xml_filas)}</sheetData>"
        f'<mergeCells count="{len(combinadas)}">{xml_combinadas}</mergeCells>'
        '<pageMargins left="0.5" right="0.5" top="0.75" bottom="0.75" header="0.3" footer="0.3"/>'
        f'<pageSetup paperSize="9" orientation="{orientacion}" fitToWidth="1" fitToHeight="{paginas_alto}"/>'
        "</worksheet>")
    compartidos = CABECERA + (
        f'<sst {NS} count="{len(textos)}" uniqueCount="{len(textos)}">'
        + "".join(f"<si><t>{escape(t)}</t></si>" for t in textos) + "</sst>")
    return hoja, compartidos


def partes(titulo, nombre_hoja, estilos, hoja, compartidos, filas_titulo=None):
    """Every part of the package, in the order written; filas_titulo ("$1:$8") repeats on each page."""
    definidos = ""
    if filas_titulo:
        definidos = ('<definedNames><definedName name="_xlnm.Print_Titles" localSheetId="0">'
                     f"{nombre_hoja}!{filas_titulo}</definedName></definedNames>")
    return [
        ("[Content_Types].xml", CABECERA + (
            '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
            '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
            '<Default Extension="xml" ContentType="application/xml"/>'
            f'<Override PartName="/xl/workbook.xml" ContentType="{TIPO}spreadsheetml.sheet.main+xml"/>'
            f'<Override PartName="/xl/worksheets/sheet1.xml" ContentType="{TIPO}spreadsheetml.worksheet+xml"/>'
            f'<Override PartName="/xl/styles.xml" ContentType="{TIPO}spreadsheetml.styles+xml"/>'
            f'<Override PartName="/xl/sharedStrings.xml" ContentType="{TIPO}spreadsheetml.sharedStrings+xml"/>'
            '<Override PartName="/docProps/core.xml" '
            'ContentType="application/vnd.openxmlformats-package.core-properties+xml"/>'
            f'<Override PartName="/docProps/app.xml" ContentType="{TIPO}extended-properties+xml"/>'
            "</Types>")),
        ("_rels/.rels", CABECERA + (
            '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
            f'<Relationship Id="rId1" Type="{REL}officeDocument" Target="xl/workbook.xml"/>'
            '<Relationship Id="rId2" '
            'Type="http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties" '
            'Target="docProps/core.xml"/>'
            f'<Relationship Id="rId3" Type="{REL}extended-properties" Target="docProps/app.xml"/>'
            "</Relationships>")),
        ("docProps/app.xml", CABECERA + (
            '<Properties xmlns="http://schemas.openxmlformats.org/officeDocument/2006/extended-properties">'
            "<Application>Ostrevia</Application></Properties>")),
        ("docProps/core.xml", CABECERA + (
            '<cp:coreProperties xmlns:cp="http://schemas.openxmlformats.org/package/2006/metadata/core-properties" '
            'xmlns:dc="http://purl.org/dc/elements/1.1/" xmlns:dcterms="http://purl.org/dc/terms/" '
            'xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">'
            f"<dc:title>{escape(titulo)}</dc:title><dc:creator>Ostrevia</dc:creator>"
            '<dcterms:created xsi:type="dcterms:W3CDTF">2024-01-01T00:00:00Z</dcterms:created>'
            "</cp:coreProperties>")),
        ("xl/workbook.xml", CABECERA + (
            f"<workbook {NS} {NS_R}><bookViews><workbookView/></bookViews>"
            f'<sheets><sheet name="{nombre_hoja}" sheetId="1" r:id="rId1"/></sheets>'
            f"{definidos}</workbook>")),
        ("xl/_rels/workbook.xml.rels", CABECERA + (
            '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
            f'<Relationship Id="rId1" Type="{REL}worksheet" Target="worksheets/sheet1.xml"/>'
            f'<Relationship Id="rId2" Type="{REL}styles" Target="styles.xml"/>'
            f'<Relationship Id="rId3" Type="{REL}sharedStrings" Target="sharedStrings.xml"/>'
            "</Relationships>")),
        ("xl/styles.xml", estilos),
        ("xl/sharedStrings.xml", compartidos),
        ("xl/worksheets/sheet1.xml", hoja),
    ]


def escribir(destino, lista_partes):
    with zipfile.ZipFile(destino, "w", zipfile.ZIP_DEFLATED) as z:
        for nombre, texto in lista_partes:
            # A fixed time stamp keeps the file identical from run to run.
            info = zipfile.ZipInfo(nombre, date_time=(2024, 1, 1, 0, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            z.writestr(info, texto.encode("utf-8"))


class Estilos:
    """A styles part built from named parts; identical fonts, fills and borders are shared."""

    def __init__(self):
        self.fuentes = ['<font><sz val="11"/><name val="Calibri"/><family val="2"/></font>']
        self.rellenos = ['<fill><patternFill patternType="none"/></fill>',
                         '<fill><patternFill patternType="gray125"/></fill>']
        self.bordes = ["<border><left/><right/><top/><bottom/><diagonal/></border>"]
        self.formatos = ['<xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/>']

    @staticmethod
    def _indice(lista, xml):
        if xml not in lista:
            lista.append(xml)
        return lista.index(xml)

    def formato(self, negrita=False, cursiva=False, tamano=11, color=None, relleno=None, borde=None,
                horizontal=None, vertical=None, ajustar=False, reducir=False):
        """A cell format; borde: {"left": (style, rgb), ...} for the edges that have a line."""
        fuente = ("<font>" + ("<b/>" if negrita else "") + ("<i/>" if cursiva else "") + f'<sz val="{tamano}"/>'
                  + (f'<color rgb="{color}"/>' if color else "") + '<name val="Calibri"/><family val="2"/></font>')
        id_fuente = self._indice(self.fuentes, fuente)
        id_relleno = 0
        if relleno:
            id_relleno = self._indice(self.rellenos, '<fill><patternFill patternType="solid">'
                                      f'<fgColor rgb="{relleno}"/><bgColor indexed="64"/></patternFill></fill>')
        id_borde = 0
        if borde:
            lados = ""
            for lado in ("left", "right", "top", "bottom"):
                if lado in borde:
                    estilo, rgb = borde[lado]
                    lados += f'<{lado} style="{estilo}"><color rgb="{rgb}"/></{lado}>'
                else:
                    lados += f"<{lado}/>"
            id_borde = self._indice(self.bordes, f"<border>{lados}<diagonal/></border>")
        alineacion = ""
        if horizontal or vertical or ajustar or reducir:
            alineacion = ("<alignment" + (f' horizontal="{horizontal}"' if horizontal else "")
                          + (f' vertical="{vertical}"' if vertical else "")
                          + (' wrapText="1"' if ajustar else "") + (' shrinkToFit="1"' if reducir else "") + "/>")
        xf = (f'<xf numFmtId="0" fontId="{id_fuente}" fillId="{id_relleno}" borderId="{id_borde}" xfId="0"'
              + (' applyFont="1"' if id_fuente else "") + (' applyFill="1"' if id_relleno else "")
              + (' applyBorder="1"' if id_borde else "") + (' applyAlignment="1"' if alineacion else ""))
        xf += f">{alineacion}</xf>" if alineacion else "/>"
        return self._indice(self.formatos, xf)

    def xml(self):
        def lista(nombre, elementos):
            return f'<{nombre} count="{len(elementos)}">' + "\n".join(elementos) + f"</{nombre}>\n"
        return CABECERA + (
            f"<styleSheet {NS}>\n" + lista("fonts", self.fuentes) + lista("fills", self.rellenos)
            + lista("borders", self.bordes)
            + '<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>\n'
            + lista("cellXfs", self.formatos)
            + '<cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles>\n'
            + "</styleSheet>\n")


def formatos_de_la_casa(estilos):
    """The formats every template shares, in the colours of the statistics template."""
    return {
        "titulo": estilos.formato(negrita=True, tamano=16, color="FFFFFFFF", relleno="FF1F4E79",
                                  horizontal="center", vertical="center"),
        "subtitulo": estilos.formato(cursiva=True, color="FF404040", horizontal="center"),
        "etiqueta": estilos.formato(negrita=True, horizontal="right", vertical="center"),
        "dato": estilos.formato(borde={"bottom": ("thin", "FF8EA9C1")}, horizontal="left", vertical="center"),
        "encabezado": estilos.formato(negrita=True, color="FF1F4E79", relleno="FFDDEBF7",
                                      borde={"bottom": ("medium", "FF1F4E79")}, vertical="center"),
    }


def banda(filas, combinadas, columnas, titulo, subtitulo, formatos):
    """The title band over rows 1 and 2 and the subtitle in row 3, across the given columns."""
    primera, ultima = columnas[0], columnas[-1]
    filas[1] = (24, [(primera + "1", formatos["titulo"], titulo)]
                + [(c + "1", formatos["titulo"], None) for c in columnas[1:]])
    filas[2] = (12, [(c + "2", formatos["titulo"], None) for c in columnas])
    filas[3] = (None, [(primera + "3", formatos["subtitulo"], subtitulo)])
    combinadas += [f"{primera}1:{ultima}2", f"{primera}3:{ultima}3"]


def celdas(desde, hasta, fila, formato, texto=None):
    """The cells of columns desde..hasta of one row in one format, the text in the first."""
    return [(chr(c) + str(fila), formato, texto if c == ord(desde) else None) for c in range(ord(desde), ord(hasta) + 1)]
