#!/usr/bin/python3
"""Writes the follow-up sheet template recursos/app/mse.xlsx.

Run with any Python 3, standard library only:
    python3 recursos/plantillas/generar_mse.py
The file comes out byte for byte the same on every run.

The sheet gets the company in D5, the complaint number in D7, the claimant in D11, the DNI in C12,
the date in F12 and the time in H12; then, from row 16, one block of four rows per follow-up: its
date in B, its operator in F:H, its text in B:H of the next two rows (the program merges and
borders them).
"""
import os
import sys

sys.dont_write_bytecode = True
import libro  # noqa: E402

DESTINO = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "app", "mse.xlsx")


def main():
    estilos = libro.Estilos()
    f = libro.formatos_de_la_casa(estilos)
    numero = estilos.formato(negrita=True, tamano=14, borde={"bottom": ("thin", "FF8EA9C1")}, horizontal="left",
                             vertical="center")
    columnas = [(1, 2, 0), (2, 13, 0), (3, 13, 0), (4, 13, 0), (5, 13, 0), (6, 12, 0), (7, 12, 0), (8, 14, 0)]
    filas = {}
    combinadas = []
    libro.banda(filas, combinadas, "BCDEFGH", "Seguimiento del reclamo",
                "Notas de seguimiento, de la más reciente a la más antigua", f)
    filas[5] = (None, libro.celdas("B", "C", 5, f["etiqueta"], "Empresa:") + libro.celdas("D", "H", 5, f["dato"]))
    filas[7] = (20, libro.celdas("B", "C", 7, f["etiqueta"], "Reclamo Nro:") + [("D7", numero, None)])
    filas[9] = (None, libro.celdas("B", "H", 9, f["encabezado"], "Reclamante"))
    filas[11] = (None, libro.celdas("B", "C", 11, f["etiqueta"], "Apellido y nombre:") + libro.celdas("D", "H", 11, f["dato"]))
    filas[12] = (None, [("B12", f["etiqueta"], "DNI:")] + libro.celdas("C", "D", 12, f["dato"])
                 + [("E12", f["etiqueta"], "Fecha:"), ("F12", f["dato"], None), ("G12", f["etiqueta"], "Hora:"),
                    ("H12", f["dato"], None)])
    filas[15] = (None, [("B15", f["encabezado"], "Fecha")] + libro.celdas("C", "E", 15, f["encabezado"], "Seguimiento")
                 + libro.celdas("F", "H", 15, f["encabezado"], "Operador"))
    combinadas += ["B5:C5", "D5:H5", "B7:C7", "B9:H9", "B11:C11", "D11:H11", "C12:D12", "C15:E15", "F15:H15"]
    hoja, compartidos = libro.hoja_y_textos(filas, columnas, combinadas, "B1:H15")
    # The column heads repeat on every printed page.
    libro.escribir(DESTINO, libro.partes("Seguimiento del reclamo", "Seguimientos", estilos.xml(), hoja, compartidos,
                                         filas_titulo="$15:$15"))


if __name__ == "__main__":
    main()
