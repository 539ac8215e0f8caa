-- Categories and their reasons. Category 0 "Reclamo general" is created with the database;
-- its reasons are the ones in no pair (Sugerencia, Felicitación, Otros).
INSERT INTO Motivos_quejas (PID, Detalle) VALUES
  (1, 'Atención al pasajero'),
  (2, 'Servicio y horarios'),
  (3, 'Equipaje y encomiendas'),
  (4, 'Estado de la unidad'),
  (5, 'Venta de pasajes'),
  (6, 'Conducción y seguridad');

INSERT INTO Causas_Quejas (Pid, Detalle, Anulada) VALUES
  (1, 'Maltrato del personal', 0),
  (2, 'Falta de información', 0),
  (3, 'Demora en la salida', 0),
  (4, 'Servicio cancelado', 0),
  (5, 'Cambio de horario sin aviso', 0),
  (6, 'Pérdida de equipaje', 0),
  (7, 'Equipaje dañado', 0),
  (8, 'Encomienda demorada', 0),
  (9, 'Encomienda extraviada', 0),
  (10, 'Aire acondicionado sin funcionar', 0),
  (11, 'Baño fuera de servicio', 0),
  (12, 'Butaca rota', 0),
  (13, 'Limpieza deficiente', 0),
  (14, 'Cobro indebido', 0),
  (15, 'Error en la emisión del pasaje', 0),
  (16, 'Devolución de pasaje no efectuada', 0),
  (17, 'Exceso de velocidad', 0),
  (18, 'Conducción imprudente', 0),
  (19, 'Sugerencia', 0),
  (20, 'Felicitación', 0),
  (21, 'Otros', 0);

-- Each reason belongs to at most one category (the relation window relies on it).
INSERT INTO RelCatMov_Quejas (Categoria, Motivo) VALUES
  (1, 1), (1, 2),
  (2, 3), (2, 4), (2, 5),
  (3, 6), (3, 7), (3, 8), (3, 9),
  (4, 10), (4, 11), (4, 12), (4, 13),
  (5, 14), (5, 15), (5, 16),
  (6, 17), (6, 18);
