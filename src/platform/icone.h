#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

// The program's own icon set, drawn at run time on a 32 x 32 grid and scaled to any size,
// so no image file is needed. Icons are looked up by name ("apri", "classifica", "ammonito"...);
// NomiIcone() lists them all. "sfondo" is a tile for backgrounds rather than an icon.

// The icon of `nome`: sharp at every size, greyed when disabled. Built once per name.
// A name that is not in the set gives a null icon.
QIcon Icona(const QString& nome);

// The icon as a square pixmap of `lato` pixels (cached); a null pixmap for an unknown name.
QPixmap PixmapIcona(const QString& nome, int lato = 32);

// Every name of the set, in a stable order.
QStringList NomiIcone();
