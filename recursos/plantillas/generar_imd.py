#!/usr/bin/python3
"""Writes the detailed report template recursos/app/imd.xlsx.

Run with any Python 3, standard library only:
    python3 recursos/plantillas/generar_imd.py
The file comes out byte for byte the same on every run.

The report writes the period into C6 and F6 and, from row 9, one block per category, reason and
complaint in columns B to H with their own formats; rows 1 to 8 are the template's.
"""
import os
import sys

sys.dont_write_bytecode = True
import libro  # noqa: E402

DESTINO = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "app", "imd.xlsx")


def main():
    estilos = libro.Estilos()
    f = libro.formatos_de_la_casa(estilos)
    raya = estilos.formato(borde={"bottom": ("medium", "FF1F4E79")})
    # Widths in characters: the blocks pair B:C, D:E, E:F, F:H and G:H, and print one A4 page wide.
    columnas = [(1, 2, 0), (2, 14, 0), (3, 14, 0), (4, 13, 0), (5, 12, 0), (6, 12, 0), (7, 14, 0), (8, 18, 0)]
    filas = {}
    combinadas = []
    libro.banda(filas, combinadas, "BCDEFGH", "Reporte detallado de reclamos",
                "Reclamos de cada categoría y causa, según la fecha del suceso", f)
    filas[6] = (None, [("B6", f["etiqueta"], "Desde:"), ("C6", f["dato"], None),
                       ("E6", f["etiqueta"], "Hasta:"), ("F6", f["dato"], None)])
    filas[8] = (6, libro.celdas("B", "H", 8, raya))
    hoja, compartidos = libro.hoja_y_textos(filas, columnas, combinadas, "B1:H8")
    libro.escribir(DESTINO, libro.partes("Reporte detallado de reclamos", "Reporte", estilos.xml(), hoja, compartidos))


if __name__ == "__main__":
    main()
