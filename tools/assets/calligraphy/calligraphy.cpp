// Writes Arabic words, set in Amiri by Khaled Hosny (SIL Open Font License 1.1), on the alert
// windows' picture backgrounds.
#include "tools/assets/calligraphy/calligraphy.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>

namespace salvenor::assets {

const std::vector<Picture>& AlertPictures() {
    // Gold with a dark shadow on the night sky; dark ink on the sunset's light sky and on grey.
    const QColor gold(246, 206, 120);
    const QColor goldShadow(70, 30, 60);
    const QColor sunsetInk(60, 22, 20);
    const QColor greenInk(30, 60, 40);
    static const std::vector<Picture> pictures{
        // The athan window: the call's opening words above the mosque.
        {QStringLiteral("mosque_sunset.png"),
         QSize(321, 246),
         {{QStringLiteral("الله أكبر الله أكبر"), 36, true, QPointF(160.5, 32), gold, goldShadow,
           QPointF(1, 1)}}},
        // The reminder: "God is the greatest" over the setting sun.
        {QStringLiteral("reminder_sunset.png"),
         QSize(115, 115),
         {{QStringLiteral("الله أكبر"), 35, true, QPointF(57.5, 44), sunsetInk, QColor(),
           QPointF()}}},
        // The reminder's panel: "Come to prayer, come to success", as the call says them.
        {QStringLiteral("reminder_verses.png"),
         QSize(185, 57),
         {{QStringLiteral("حي على الصلاة"), 20, true, QPointF(92.5, 14.5), greenInk, QColor(),
           QPointF()},
          {QStringLiteral("حي على الفلاح"), 20, true, QPointF(92.5, 41.8), greenInk, QColor(),
           QPointF()}}},
    };
    return pictures;
}

QString LoadAmiri(const QString& fontDir, QString& error) {
    QString family;
    for (const char* file : {AmiriRegularFile, AmiriBoldFile}) {
        const QString path = QDir(fontDir).filePath(QString::fromLatin1(file));
        if (!QFileInfo::exists(path)) {
            error = QStringLiteral(
                        "%1 is missing: install the Amiri font "
                        "(apt-get install fonts-hosny-amiri)")
                        .arg(path);
            return {};
        }
        const int id = QFontDatabase::addApplicationFont(path);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (id < 0 || families.isEmpty()) {
            error = QStringLiteral("%1 cannot be loaded as a font").arg(path);
            return {};
        }
        if (!family.isEmpty() && families.first() != family) {
            error = QStringLiteral("%1 holds the family %2, not %3")
                        .arg(path, families.first(), family);
            return {};
        }
        family = families.first();
    }
    return family;
}

QFont WritingFont(const QString& family, const Writing& writing) {
    QFont font(family);
    font.setPixelSize(static_cast<int>(writing.pixelSize));
    font.setBold(writing.bold);
    // Unhinted outlines and advances are the font's design scaled, the same on every machine;
    // no other font may stand in for a missing letter.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

namespace {

// Lays out `text` on one line, left-aligned at the origin, and returns its glyph runs.
QList<QGlyphRun> LayOut(const QFont& font, const QString& text, qreal& baseline) {
    QTextLayout layout(text, font);
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setTextDirection(Qt::RightToLeft);
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1.0e5);
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    baseline = line.ascent();
    return layout.glyphRuns();
}

}  // namespace

std::vector<ShapedGlyph> ShapeLine(const QFont& font, const QString& text) {
    qreal baseline = 0;
    std::vector<ShapedGlyph> glyphs;
    for (const QGlyphRun& run : LayOut(font, text, baseline)) {
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype k = 0; k < indexes.size() && k < positions.size(); ++k) {
            glyphs.push_back({indexes[k], positions[k] - QPointF(0, baseline)});
        }
    }
    std::stable_sort(glyphs.begin(), glyphs.end(), [](const ShapedGlyph& a, const ShapedGlyph& b) {
        return a.position.x() < b.position.x();
    });
    return glyphs;
}

QPainterPath LinePath(const QFont& font, const QString& text) {
    qreal baseline = 0;
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const QGlyphRun& run : LayOut(font, text, baseline)) {
        const QRawFont raw = run.rawFont();
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype k = 0; k < indexes.size() && k < positions.size(); ++k) {
            path.addPath(
                raw.pathForGlyph(indexes[k]).translated(positions[k] - QPointF(0, baseline)));
        }
    }
    return path;
}

QPainterPath PlacedPath(const QString& family, const Writing& writing) {
    const QPainterPath path = LinePath(WritingFont(family, writing), writing.text);
    return path.translated(writing.centre - path.boundingRect().center());
}

QImage Render(const Picture& picture, const QImage& background, const QString& family) {
    QImage image = background.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Writing& writing : picture.writings) {
        const QPainterPath path = PlacedPath(family, writing);
        if (writing.shadow.isValid()) {
            painter.fillPath(path.translated(writing.shadowOffset), writing.shadow);
        }
        painter.fillPath(path, writing.ink);
    }
    painter.end();
    return image;
}

bool RenderAll(const QString& fontDir, const QString& backgroundDir, const QString& outputDir,
               QString& error) {
    const QString family = LoadAmiri(fontDir, error);
    if (family.isEmpty()) {
        return false;
    }
    if (!QDir().mkpath(outputDir)) {
        error = QStringLiteral("cannot make the folder %1").arg(outputDir);
        return false;
    }
    for (const Picture& picture : AlertPictures()) {
        for (const Writing& writing : picture.writings) {
            const auto glyphs = ShapeLine(WritingFont(family, writing), writing.text);
            const bool missing = std::any_of(glyphs.begin(), glyphs.end(),
                                             [](const ShapedGlyph& g) { return g.index == 0; });
            if (glyphs.empty() || missing) {
                error = QStringLiteral("%1 has no letters for \"%2\"").arg(family, writing.text);
                return false;
            }
        }
        const QString source = QDir(backgroundDir).filePath(picture.fileName);
        const QImage background(source);
        if (background.isNull()) {
            error = QStringLiteral("cannot read the background %1").arg(source);
            return false;
        }
        if (background.size() != picture.size) {
            error = QStringLiteral("%1 is %2 x %3 pixels, not %4 x %5")
                        .arg(source)
                        .arg(background.width())
                        .arg(background.height())
                        .arg(picture.size.width())
                        .arg(picture.size.height());
            return false;
        }
        const QString target = QDir(outputDir).filePath(picture.fileName);
        if (!Render(picture, background, family).save(target, "PNG")) {
            error = QStringLiteral("cannot write %1").arg(target);
            return false;
        }
    }
    return true;
}

}  // namespace salvenor::assets
