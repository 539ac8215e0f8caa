-- Supervisors named in resolutions, in list order.
INSERT INTO supervisores_quejas (pid, supervisor) VALUES
  (1, 'Gómez, Laura Beatriz'),
  (2, 'Fernández, Martín Alejandro'),
  (3, 'Sosa, Carolina Inés'),
  (4, 'Benítez, Ramiro Daniel');
