#include "Usuarios.h"

RegUsuario UsuarioActual;
