-- Contact types: how the passenger reached the desk.
INSERT INTO Tipos_Quejas (PID, Detalle) VALUES
  (1, 'Teléfono'),
  (2, 'Correo electrónico'),
  (3, 'Presencial en agencia'),
  (4, 'Libro de quejas'),
  (5, 'Redes sociales'),
  (6, 'Formulario web');
