// Writes Arabic words on the alert windows' picture backgrounds. The words are laid out by Qt's
// text layout (HarfBuzz), so the letters take their joined forms and run right to left, in
// Amiri by Khaled Hosny (SIL Open Font License 1.1, Debian package fonts-hosny-amiri). The glyph
// outlines are filled by Qt's own rasteriser, so that the result does not depend on the font
// hinting or anti-aliasing settings of the machine that runs the tool.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QSize>
#include <QString>
#include <vector>

namespace salvenor::assets {

// Where Amiri is found unless another folder is named: the build's SALVENOR_AMIRI_DIR, by
// default where Debian installs it.
inline constexpr const char* DefaultAmiriDir = SALVENOR_AMIRI_DIR;
inline constexpr const char* AmiriRegularFile = "Amiri-Regular.ttf";
inline constexpr const char* AmiriBoldFile = "Amiri-Bold.ttf";

// One line of words. It is centred on `centre` by the ink it leaves, not by the font's line box,
// so that it sits in the middle whatever its ascenders and descenders.
struct Writing {
    QString text;
    qreal pixelSize = 0;
    bool bold = false;
    QPointF centre;
    QColor ink;
    QColor shadow;  // not valid: no shadow
    QPointF shadowOffset;
};

// A background and what is written on it. The background and the finished picture have the
// same file name and the same size.
struct Picture {
    QString fileName;
    QSize size;
    std::vector<Writing> writings;
};

// The pictures of the athan and reminder windows.
const std::vector<Picture>& AlertPictures();

// Loads Amiri Regular and Bold from `fontDir` into the application's fonts and returns the
// family name; on failure returns an empty string and says why in `error`.
QString LoadAmiri(const QString& fontDir, QString& error);

// The font a writing is set in.
QFont WritingFont(const QString& family, const Writing& writing);

// The glyphs of one shaped line, in visual order (left to right), with their pen positions on
// the baseline.
struct ShapedGlyph {
    quint32 index = 0;
    QPointF position;
};
std::vector<ShapedGlyph> ShapeLine(const QFont& font, const QString& text);

// The outline of one shaped line, the baseline's left end at the origin.
QPainterPath LinePath(const QFont& font, const QString& text);

// The outline of a writing moved so that the centre of its ink lies on writing.centre.
QPainterPath PlacedPath(const QString& family, const Writing& writing);

// The background with the picture's writings on it, as an RGB image.
QImage Render(const Picture& picture, const QImage& background, const QString& family);

// Reads each picture's background from `backgroundDir`, writes its words and saves the result
// under the same name in `outputDir`. Returns false, with the reason in `error`, when the font
// or a background is missing or of the wrong size, or a picture cannot be saved.
bool RenderAll(const QString& fontDir, const QString& backgroundDir, const QString& outputDir,
               QString& error);

}  // namespace salvenor::assets
