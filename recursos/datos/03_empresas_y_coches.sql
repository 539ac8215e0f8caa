-- Transport companies (CUIT with its check digit) and their coaches.
INSERT INTO Empresas_quejas (PID, Detalle, Cuit) VALUES
  (1, 'Transportes Pampa Austral S.A.', '30-61234571-2'),
  (2, 'Expreso Cordillera del Sur S.R.L.', '30-70891234-0'),
  (3, 'Empresa Río Paraná S.A.', '30-58213406-1'),
  (4, 'Autotransportes del Litoral S.A.', '30-71145820-0'),
  (5, 'Ómnibus Sierras Centrales S.A.', '30-69872315-3');

INSERT INTO Coches_quejas (Pid, interno, Empresa, Asientos, Dominio) VALUES
  (1, 101, 1, 60, 'AD 245 KT'),
  (2, 102, 1, 60, 'AD 311 KT'),
  (3, 115, 1, 48, 'OXR 512'),
  (4, 201, 2, 44, 'AE 078 LM'),
  (5, 202, 2, 44, 'PHM 930'),
  (6, 230, 2, 52, 'AF 119 BC'),
  (7, 301, 3, 60, 'AC 904 RD'),
  (8, 302, 3, 48, 'NTS 227'),
  (9, 410, 4, 52, 'AE 655 JP'),
  (10, 411, 4, 52, 'AE 656 JP'),
  (11, 501, 5, 44, 'MKV 480'),
  (12, 502, 5, 60, 'AG 031 FS');
