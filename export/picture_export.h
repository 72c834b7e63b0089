#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;
class QPrinter;
class QSaveFile;
class QWidget;

namespace lumenary
{

class PictureSource;

// Writes every byte to an unbuffered QSaveFile, checking each write: a disk that fills takes
// part of a write without a word (the next write tells why), and a buffered write that fails
// when QSaveFile closes the file is not reported by its commit, which would keep a cut-off file.
bool writeAll(QSaveFile& file, const QByteArray& bytes);

// The file types a picture is saved as.
enum class PictureFormat { Png, Svg, Pdf };
// The type a file name ends in (any case); none for a name without one of the three.
std::optional<PictureFormat> formatForFile(const QString& fileName);

// The picture as an image, scale times its on-screen size, its resolution set to match (so a
// word processor shows it at the on-screen size).
QImage pictureImage(const PictureSource& source, int scale = 2);

// The picture written to device as SVG or PDF (vectors) or PNG (twice the on-screen size).
// title names the drawing in the file; a partly raster picture says so in its description.
bool writePicture(const PictureSource& source, PictureFormat format, QIODevice& device,
                  const QString& title);

// Saves the picture to fileName, in the type its name gives, through a temporary file beside
// it, so that a failure leaves any file of that name as it was. Returns the reason on failure:
// a name of no picture type, or what the system said (a full disk, a folder not writable).
std::optional<QString> savePicture(const PictureSource& source, const QString& fileName,
                                   const QString& title);

// Prints the picture scaled to the page, the title above it and the values below as a caption.
// False when the printer could not be started.
bool printPicture(const PictureSource& source, QPrinter& printer, const QString& title,
                  const QString& values);

// The window's values as text: a first line naming the lab (the window title) and its
// settings (editable fields, lists, check boxes, sliders and spin boxes, "name = value"
// separated by "; "; two controls of one value once; no scroll bar, whose quantity a read-out
// shows), then one "label<TAB>value" line per read-out (read-only fields, and the editable
// fields named in readouts), but for a read-out that repeats a setting's name and value. Labels are
// the controls' accessible names; a label that occurs twice is preceded by the heading above its
// field. Hidden controls are left out.
QString windowValues(const QWidget* window, const QStringList& readouts = {});

// The window's title as its frame shows it: a document window's unsaved mark ("[*]") resolved.
QString shownTitle(const QWidget* window);

} // namespace lumenary
