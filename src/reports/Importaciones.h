#pragma once

#include "PasosImportacion.h"

#include <QString>

// The one-way loads of legacy complaint data from the workbooks beside the program, as the main
// window's "Importar" menu starts them (imp.xlsx, one row per complaint; seg.xlsx, one row per
// follow-up). Each reads worksheet 1 from row 2 to the last row holding a value. A row it cannot
// take, and a row the database refuses, is written to the error log with its workbook and row,
// and the import goes on; the rows already written stay.

// "Importar pasos 1-2 y 4": complaints, then places, then resolutions, each stage after its own
// question (No skips only that stage). Stage 1 skips the numbers already present, stage 2 the
// complaints that already have a place; stage 3 logs the complaints that already have their one
// resolution.
void ImportarNovedades(const QString& ruta);
void ImportarLugares(const QString& ruta);
void ImportarResoluciones(const QString& ruta);
// "Actualizar datos": the contact type of each complaint from its first flag holding "1".
void ActualizarTiposQueja(const QString& ruta);
// Tickets (W), luggage tickets (V beside W) and parcel invoices (V alone); inserted at every run.
void ImportarComprobantes(const QString& ruta);
// The file number (AN) of each complaint.
void ImportarExpedientes(const QString& ruta);
// Follow-ups from seg.xlsx; inserted at every run.
void ImportarSeguimientos(const QString& ruta);
