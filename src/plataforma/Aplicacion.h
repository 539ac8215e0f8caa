#pragma once

#include <QString>
#include <functional>

// The program itself: its folder, its version, the event queue and ending at once.
namespace Aplicacion {

// Folder of the executable, where everything "beside the program" lives.
QString Carpeta();
// Tests point the program folder somewhere else; an empty text restores the default.
void EstablecerCarpeta(const QString& carpeta);
// A file name inside the program folder ("Config.ini", "bd/base.db").
QString Ruta(const QString& nombre);

int VersionMayor();
int VersionMenor();
int VersionRevision();
// "major.minor.revision" in decimal.
QString VersionTexto();

// Lets pending window events run (no-op without an application object).
void HacerEventos();

// The normal end of the program, as the user asks for it: the windows still open close (their
// unloads run) and the event loop ends with success. Nothing happens outside the event loop.
void Finalizar();

// Ends the program at once: no unload handler runs. Tests replace the action to observe it;
// when the replacement returns, the caller goes on as after a failed statement.
void Terminar();
void EstablecerTerminar(std::function<void()> accion);

} // namespace Aplicacion
