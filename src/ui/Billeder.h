#pragma once
// The pictures of folders, drives and file types, drawn at whatever size the
// view asks for so they stay sharp at every scaling.
#include <QIcon>
#include <QImage>
#include <QString>

class QPainter;

namespace kv {

enum class Billede {
    // Folders and drives
    Mappe, SystemDrev, AndetDrev, OptiskDrev,
    Bruger, Skrivebord, Dokumenter, Billeder, Musik, Videoer, Favoritter,
    // File types
    RigTekst, Script, JavaScript, Webside, Stilark, Batch, PowerShell, Tekst,
    Billedfil, MP3, M4A, MP4, M4V, AVI, MPG, WAV, Program, Genvej,
    Installationsscript, Pascal, Fil,
    // Groups of the information window
    Film, MusikGruppe, Ukendt,
    // A file marked by extension in Struktur 3
    Markering,
};

// The picture of a file by its extension (with the dot), in the order of the
// file-type table: the first match decides.
Billede filBillede(const QString& ext);

void tegnBillede(QPainter& p, const QRectF& r, Billede b);
QImage billedeBillede(Billede b, int size);
// Shared icons, one object per picture.
const QIcon& ikon(Billede b);

} // namespace kv
