// The calligraphy tool: Arabic shaped and written right to left, every line legible, centred
// and inside its picture, and the committed pictures equal to what the tool makes today.
#include "tools/assets/calligraphy/calligraphy.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/temp_dir.h"

namespace salvenor::assets {
namespace {

using ::testing::HasSubstr;

const QString AlertsDir = QStringLiteral(SALVENOR_SOURCE_DIR "/resources/alerts");
const QString BackgroundsDir = QStringLiteral(SALVENOR_SOURCE_DIR "/tools/assets/backgrounds");

QString Path(const QString& dir, const QString& name) {
    return QDir(dir).filePath(name);
}
QString FromPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// WCAG relative luminance of an sRGB colour.
double Luminance(QColor c) {
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double Contrast(QColor a, QColor b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Amiri, loaded once; the tests that write Arabic are skipped with a clear message without it.
class CalligraphyTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        QString error;
        family_ = LoadAmiri(QString::fromLatin1(DefaultAmiriDir), error);
        loadError_ = error;
    }
    void SetUp() override {
        if (family_.isEmpty()) {
            GTEST_SKIP() << "Skipped without the Amiri font: " << loadError_.toStdString();
        }
    }
    static QFont Font(qreal pixelSize) {
        Writing writing;
        writing.pixelSize = pixelSize;
        return WritingFont(family_, writing);
    }
    static std::vector<quint32> Glyphs(const QString& text) {
        std::vector<quint32> out;
        for (const ShapedGlyph& g : ShapeLine(Font(40), text)) {
            out.push_back(g.index);
        }
        return out;
    }

    static inline QString family_;
    static inline QString loadError_;
};

// The backgrounds and the finished pictures have the sizes the windows lay out.
TEST(CalligraphyPictures, BackgroundsAndPicturesHaveTheDocumentedSizes) {
    const std::vector<Picture>& pictures = AlertPictures();
    ASSERT_EQ(pictures.size(), 3u);
    const std::vector<std::pair<QString, QSize>> documented{
        {QStringLiteral("mosque_sunset.png"), QSize(321, 246)},
        {QStringLiteral("reminder_sunset.png"), QSize(115, 115)},
        {QStringLiteral("reminder_verses.png"), QSize(185, 57)}};
    for (std::size_t k = 0; k < documented.size(); ++k) {
        SCOPED_TRACE(documented[k].first.toStdString());
        EXPECT_EQ(pictures[k].fileName, documented[k].first);
        EXPECT_EQ(pictures[k].size, documented[k].second);
        EXPECT_FALSE(pictures[k].writings.empty());
        EXPECT_EQ(QImage(Path(BackgroundsDir, documented[k].first)).size(), documented[k].second);
        EXPECT_EQ(QImage(Path(AlertsDir, documented[k].first)).size(), documented[k].second);
    }
}

TEST(CalligraphyPictures, AMissingFontIsNamedWithItsPackage) {
    const testing::TempDir empty;
    const testing::TempDir out;
    QString error;
    EXPECT_FALSE(RenderAll(FromPath(empty.path()), BackgroundsDir, FromPath(out.path()), error));
    EXPECT_THAT(error.toStdString(), HasSubstr(empty.file(AmiriRegularFile)));
    EXPECT_THAT(error.toStdString(), HasSubstr("fonts-hosny-amiri"));
    EXPECT_TRUE(QDir(FromPath(out.path())).isEmpty());
}

TEST_F(CalligraphyTest, LettersTakeTheirJoinedForms) {
    // Beh alone, and beh at the start, middle and end of a word: four different glyphs.
    const std::vector<quint32> alone = Glyphs(QStringLiteral("ب"));
    const std::vector<quint32> joined = Glyphs(QStringLiteral("ببب"));
    ASSERT_EQ(alone.size(), 1u);
    ASSERT_EQ(joined.size(), 3u);
    for (const quint32 glyph : joined) {
        EXPECT_NE(glyph, alone[0]);
    }
    EXPECT_NE(joined[0], joined[1]);
    EXPECT_NE(joined[1], joined[2]);
    // Hah joined to yeh is not the hah that stands alone.
    const std::vector<quint32> hah = Glyphs(QStringLiteral("ح"));
    ASSERT_EQ(hah.size(), 1u);
    EXPECT_THAT(Glyphs(QStringLiteral("حي")), ::testing::Not(::testing::Contains(hah[0])));
}

TEST_F(CalligraphyTest, WordsRunRightToLeft) {
    // Alef does not join to the letter after it, so both keep the forms they have alone; the
    // first letter must stand on the right.
    const std::vector<quint32> alef = Glyphs(QStringLiteral("ا"));
    const std::vector<quint32> beh = Glyphs(QStringLiteral("ب"));
    ASSERT_EQ(alef.size(), 1u);
    ASSERT_EQ(beh.size(), 1u);
    const std::vector<ShapedGlyph> line = ShapeLine(Font(40), QStringLiteral("اب"));
    ASSERT_EQ(line.size(), 2u);
    EXPECT_EQ(line[0].index, beh[0]);
    EXPECT_EQ(line[1].index, alef[0]);
    EXPECT_GT(line[1].position.x(), line[0].position.x());
}

TEST_F(CalligraphyTest, EveryLetterOfEveryWritingIsInTheFont) {
    for (const Picture& picture : AlertPictures()) {
        for (const Writing& writing : picture.writings) {
            SCOPED_TRACE(writing.text.toStdString());
            const std::vector<ShapedGlyph> glyphs =
                ShapeLine(WritingFont(family_, writing), writing.text);
            ASSERT_FALSE(glyphs.empty());
            for (const ShapedGlyph& g : glyphs) {
                EXPECT_NE(g.index, 0u);
            }
        }
    }
}

// Each line is centred across its picture, well inside it, large enough to read, and clear of
// the other lines.
TEST_F(CalligraphyTest, WritingsAreCentredInsideAndApart) {
    constexpr qreal Margin = 2;
    for (const Picture& picture : AlertPictures()) {
        std::vector<QRectF> inks;
        for (const Writing& writing : picture.writings) {
            SCOPED_TRACE(picture.fileName.toStdString() + ": " + writing.text.toStdString());
            const QPainterPath path = PlacedPath(family_, writing);
            QRectF ink = path.boundingRect();
            if (writing.shadow.isValid()) {
                ink = ink.united(ink.translated(writing.shadowOffset));
            }
            EXPECT_NEAR(path.boundingRect().center().x(), picture.size.width() / 2.0, 0.01);
            EXPECT_NEAR(path.boundingRect().center().y(), writing.centre.y(), 0.01);
            const QRectF inside(Margin, Margin, picture.size.width() - 2 * Margin,
                                picture.size.height() - 2 * Margin);
            EXPECT_TRUE(inside.contains(ink))
                << ink.left() << "," << ink.top() << " " << ink.right() << "," << ink.bottom();
            EXPECT_GE(ink.width(), picture.size.width() * 0.4);
            EXPECT_GE(ink.height(), 12.0);
            for (const QRectF& other : inks) {
                EXPECT_FALSE(other.intersects(ink));
            }
            inks.push_back(ink);
        }
    }
}

// The words stand out from what lies behind them: the background under the ink is on average
// at least 4.5 times as bright or as dark as the ink (WCAG AA), and nowhere below 3.
TEST_F(CalligraphyTest, InkContrastsWithTheBackgroundBehindIt) {
    for (const Picture& picture : AlertPictures()) {
        const QImage background(Path(BackgroundsDir, picture.fileName));
        ASSERT_FALSE(background.isNull());
        for (const Writing& writing : picture.writings) {
            SCOPED_TRACE(picture.fileName.toStdString() + ": " + writing.text.toStdString());
            const QPainterPath path = PlacedPath(family_, writing);
            double sum = 0;
            double lowest = 1e9;
            int pixels = 0;
            for (int y = 0; y < background.height(); ++y) {
                for (int x = 0; x < background.width(); ++x) {
                    if (path.contains(QPointF(x + 0.5, y + 0.5))) {
                        const double c = Contrast(writing.ink, background.pixelColor(x, y));
                        sum += c;
                        lowest = std::min(lowest, c);
                        ++pixels;
                    }
                }
            }
            ASSERT_GT(pixels, 50);
            EXPECT_GE(sum / pixels, 4.5);
            EXPECT_GE(lowest, 3.0);
        }
    }
}

// The words change the pixels under them and nothing else of the background.
TEST_F(CalligraphyTest, RenderKeepsTheBackgroundAwayFromTheWords) {
    for (const Picture& picture : AlertPictures()) {
        SCOPED_TRACE(picture.fileName.toStdString());
        const QImage background =
            QImage(Path(BackgroundsDir, picture.fileName)).convertToFormat(QImage::Format_RGB32);
        const QImage rendered = Render(picture, background, family_);
        ASSERT_EQ(rendered.size(), background.size());
        QRectF written;
        for (const Writing& writing : picture.writings) {
            const QRectF ink = PlacedPath(family_, writing).boundingRect();
            written = written.united(ink).united(ink.translated(writing.shadowOffset));
        }
        const QRect touched = written.toAlignedRect().adjusted(-1, -1, 1, 1);
        int changedInside = 0;
        int changedOutside = 0;
        for (int y = 0; y < background.height(); ++y) {
            for (int x = 0; x < background.width(); ++x) {
                if (rendered.pixel(x, y) != background.pixel(x, y)) {
                    (touched.contains(x, y) ? changedInside : changedOutside)++;
                }
            }
        }
        EXPECT_EQ(changedOutside, 0);
        EXPECT_GT(changedInside, 100);
    }
}

// The committed pictures are what the tool makes from the committed backgrounds today; after a
// deliberate change, tools/assets/make_pictures.sh makes them again.
TEST_F(CalligraphyTest, CommittedPicturesEqualAFreshRender) {
    const testing::TempDir out;
    QString error;
    ASSERT_TRUE(RenderAll(QString::fromLatin1(DefaultAmiriDir), BackgroundsDir,
                          FromPath(out.path()), error))
        << error.toStdString();
    for (const Picture& picture : AlertPictures()) {
        SCOPED_TRACE(picture.fileName.toStdString());
        const QImage fresh = QImage(FromPath(out.path() / picture.fileName.toStdString()))
                                 .convertToFormat(QImage::Format_RGB32);
        const QImage committed =
            QImage(Path(AlertsDir, picture.fileName)).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(fresh.size(), picture.size);
        ASSERT_EQ(committed.size(), picture.size);
        int differing = 0;
        for (int y = 0; y < fresh.height(); ++y) {
            for (int x = 0; x < fresh.width(); ++x) {
                differing += fresh.pixel(x, y) != committed.pixel(x, y) ? 1 : 0;
            }
        }
        EXPECT_EQ(differing, 0) << "pixels differ: run tools/assets/make_pictures.sh";
    }
}

TEST_F(CalligraphyTest, RenderAllRefusesAMissingOrMisfitBackground) {
    const testing::TempDir backgrounds;
    const testing::TempDir out;
    for (const Picture& picture : AlertPictures()) {
        ASSERT_TRUE(QFile::copy(Path(BackgroundsDir, picture.fileName),
                                FromPath(backgrounds.path() / picture.fileName.toStdString())));
    }
    const QString last = AlertPictures().back().fileName;
    const QString lastPath = FromPath(backgrounds.path() / last.toStdString());
    QString error;

    ASSERT_TRUE(QFile::remove(lastPath));
    EXPECT_FALSE(RenderAll(QString::fromLatin1(DefaultAmiriDir), FromPath(backgrounds.path()),
                           FromPath(out.path()), error));
    EXPECT_THAT(error.toStdString(), HasSubstr("cannot read the background"));
    EXPECT_THAT(error.toStdString(), HasSubstr(lastPath.toStdString()));

    QImage small(10, 10, QImage::Format_RGB32);
    small.fill(Qt::gray);
    ASSERT_TRUE(small.save(lastPath, "PNG"));
    EXPECT_FALSE(RenderAll(QString::fromLatin1(DefaultAmiriDir), FromPath(backgrounds.path()),
                           FromPath(out.path()), error));
    EXPECT_THAT(error.toStdString(), HasSubstr("is 10 x 10 pixels, not 185 x 57"));
    EXPECT_FALSE(QFileInfo::exists(FromPath(out.path() / last.toStdString())));
}

}  // namespace
}  // namespace salvenor::assets
