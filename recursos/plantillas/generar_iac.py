#!/usr/bin/python3
"""Writes the complaint sheet template recursos/app/iac.xlsx.

Run with any Python 3, standard library only:
    python3 recursos/plantillas/generar_iac.py
The file comes out byte for byte the same on every run.

One printed A4 page. The program writes: company B4 and tax number F4; number D7; claimant C11,
F11, C12, F12, H12, C13, F13, C14; contact type G14; file number G15; category C16 and reason C17;
event date D21; detail B24 (a wrapped area to row 26); place labels and values in B27, C27, D27,
F27, B28, C28, F28, G28; vouchers B29-B31, D29-D31, G29-G30; trip D35-D38; resolution detail B42
(a wrapped area to row 45), date C46, amount C47, supervisor C48, sanction C49. Every other text
here is a label of the template.
"""
import os
import sys

sys.dont_write_bytecode = True
import libro  # noqa: E402

DESTINO = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "app", "iac.xlsx")


def main():
    e = libro.Estilos()
    f = libro.formatos_de_la_casa(e)
    linea = {"bottom": ("thin", "FF8EA9C1")}
    caja = {lado: ("thin", "FF8EA9C1") for lado in ("left", "right", "top", "bottom")}
    numero = e.formato(negrita=True, tamano=14, borde=linea, horizontal="left", vertical="center")
    # Texts that can be long wrap inside their own area; vouchers shrink to their cell.
    area = e.formato(borde=caja, horizontal="left", vertical="top", ajustar=True)
    dato_largo = e.formato(borde=linea, horizontal="left", vertical="center", ajustar=True)
    dato_ajustado = e.formato(borde=linea, horizontal="left", vertical="center", reducir=True)
    seccion = e.formato(negrita=True, horizontal="right", vertical="top")
    etiqueta, dato, encabezado = f["etiqueta"], f["dato"], f["encabezado"]
    C = libro.celdas

    columnas = [(1, 14, 0), (2, 13, 0), (3, 13, 0), (4, 12, 0), (5, 11, 0), (6, 12, 0), (7, 11, 0), (8, 13, 0)]
    filas = {}
    combinadas = []
    libro.banda(filas, combinadas, "ABCDEFGH", "Ficha del reclamo",
                "Datos del reclamante, del suceso, del viaje y de la resolución", f)
    filas[4] = (None, [("A4", etiqueta, "Empresa:")] + C("B", "D", 4, dato) + [("E4", etiqueta, "CUIT:")]
                + C("F", "H", 4, dato))
    filas[7] = (20, C("B", "C", 7, etiqueta, "Reclamo Nro:") + [("D7", numero, None)])
    filas[10] = (None, C("A", "H", 10, encabezado, "Reclamante"))
    filas[11] = (None, [("B11", etiqueta, "Apellido/s:")] + C("C", "D", 11, dato) + [("E11", etiqueta, "Nombres:")]
                 + C("F", "H", 11, dato))
    filas[12] = (None, [("B12", etiqueta, "DNI:")] + C("C", "D", 12, dato) + [("E12", etiqueta, "Fecha:"),
                 ("F12", dato, None), ("G12", etiqueta, "Hora:"), ("H12", dato, None)])
    filas[13] = (None, [("B13", etiqueta, "Teléfono:")] + C("C", "D", 13, dato) + [("E13", etiqueta, "Contacto:")]
                 + C("F", "H", 13, dato))
    filas[14] = (None, [("B14", etiqueta, "Correo:")] + C("C", "D", 14, dato_ajustado)
                 + C("E", "F", 14, etiqueta, "Tipo de contacto:") + C("G", "H", 14, dato))
    filas[15] = (None, C("E", "F", 15, etiqueta, "Expediente:") + C("G", "H", 15, dato))
    filas[16] = (None, C("A", "B", 16, etiqueta, "Motivo de contacto:") + C("C", "H", 16, dato))
    filas[17] = (None, C("A", "B", 17, etiqueta, "Causa de la llamada:") + C("C", "H", 17, dato))
    filas[19] = (None, C("A", "H", 19, encabezado, "Suceso"))
    filas[21] = (None, C("B", "C", 21, etiqueta, "Fecha del suceso:") + [("D21", dato, None)])
    filas[24] = (30, [("A24", seccion, "Detalle:")] + C("B", "H", 24, area))
    filas[25] = (30, C("B", "H", 25, area))
    filas[26] = (30, C("B", "H", 26, area))
    # The place rows: the program writes the labels in B and D (row 27) or B and F (row 28).
    filas[27] = (24, [("A27", seccion, "Lugar:"), ("B27", etiqueta, None), ("C27", dato_largo, None)]
                 + C("D", "E", 27, etiqueta) + C("F", "H", 27, dato_largo))
    filas[28] = (24, [("B28", etiqueta, None)] + C("C", "E", 28, dato_largo) + [("F28", etiqueta, None)]
                 + C("G", "H", 28, dato_largo))
    for fila in (29, 30, 31):
        filas[fila] = (None, ([("A29", seccion, "Comprobantes:")] if fila == 29 else [])
                       + C("B", "C", fila, dato_ajustado) + C("D", "F", fila, dato_ajustado)
                       + C("G", "H", fila, dato_ajustado))
    filas[33] = (None, C("A", "H", 33, encabezado, "Viaje"))
    filas[35] = (None, C("B", "C", 35, etiqueta, "Desde:") + C("D", "H", 35, dato))
    filas[36] = (None, C("B", "C", 36, etiqueta, "Hasta:") + C("D", "H", 36, dato))
    filas[37] = (None, C("B", "C", 37, etiqueta, "Hora del servicio:") + C("D", "E", 37, dato))
    filas[38] = (None, C("B", "C", 38, etiqueta, "Unidad:") + C("D", "E", 38, dato))
    filas[40] = (None, C("A", "H", 40, encabezado, "Resolución"))
    for fila in (42, 43, 44, 45):
        filas[fila] = (20, ([("A42", seccion, "Detalle:")] if fila == 42 else []) + C("B", "H", fila, area))
    filas[46] = (None, [("B46", etiqueta, "Fecha:")] + C("C", "D", 46, dato))
    filas[47] = (None, [("B47", etiqueta, "Monto:")] + C("C", "D", 47, dato))
    filas[48] = (None, [("B48", etiqueta, "Supervisor:")] + C("C", "H", 48, dato))
    filas[49] = (30, [("B49", etiqueta, "Sanción:")] + C("C", "H", 49, dato_largo))
    combinadas += ["B4:D4", "F4:H4", "B7:C7", "A10:H10", "C11:D11", "F11:H11", "C12:D12", "C13:D13", "F13:H13",
                   "C14:D14", "E14:F14", "G14:H14", "E15:F15", "G15:H15", "A16:B16", "C16:H16", "A17:B17",
                   "C17:H17", "A19:H19", "B21:C21", "B24:H26", "D27:E27", "F27:H27", "C28:E28", "G28:H28",
                   "B29:C29", "D29:F29", "G29:H29", "B30:C30", "D30:F30", "G30:H30", "B31:C31", "D31:F31",
                   "G31:H31", "A33:H33", "B35:C35", "D35:H35", "B36:C36", "D36:H36", "B37:C37", "D37:E37",
                   "B38:C38", "D38:E38", "A40:H40", "B42:H45", "C46:D46", "C47:D47", "C48:H48", "C49:H49"]
    hoja, compartidos = libro.hoja_y_textos(filas, columnas, combinadas, "A1:H49", paginas_alto=1)
    libro.escribir(DESTINO, libro.partes("Ficha del reclamo", "Reclamo", e.xml(), hoja, compartidos))


if __name__ == "__main__":
    main()
