// SPDX-License-Identifier: GPL-3.0-or-later
// The views make_views drew of the shipped figures (a1.jpg .. z8.jpg), read
// as files, not through its code: every view must be the transform of view 1
// that its number promises, and the eight views of one figure must be
// clearly different from each other.

#include <QFileInfo>
#include <QImage>
#include <QString>
#include <QtTest>

#include <algorithm>
#include <array>
#include <cstdlib>

#ifndef VORTELIA_JPG_DIR
#error "VORTELIA_JPG_DIR must name the folder holding the generated views"
#endif

namespace {

constexpr int kSide = 480;

// Same raster, encoded separately: over all 26 figures the worst mean
// channel difference measured 0.88 and no pixel differed by more than 21
// in any channel. The bounds leave room for other encoders, while a wrong
// transform scored a mean of 20 or more.
constexpr double kMatchMaxMean = 2.0;
constexpr int kMatchStrongDiff = 48;
constexpr double kMatchMaxStrongFraction = 0.001;

// Distinct views: a pixel "clearly differs" when one channel moves by more
// than 64 (three times the worst JPEG noise seen). The closest pair over all
// figures had 14.2% such pixels; a round shape with one small off-centre
// spot scored 2.3%, so 8% is the bar.
constexpr int kClearDiff = 64;
constexpr double kMinClearFraction = 0.08;

struct Difference {
    double meanAbs = 0;       // mean absolute difference per channel
    double fractionAbove = 0; // share of pixels with a channel beyond the threshold
};

QString viewPath(const QString& letter, int n) {
    return QStringLiteral(VORTELIA_JPG_DIR "/%1%2.jpg").arg(letter).arg(n);
}

// Index 0 is view 1; a null image means missing or undecodable.
std::array<QImage, 8> loadViews(const QString& letter) {
    std::array<QImage, 8> views;
    for (int n = 1; n <= 8; ++n)
        views[n - 1] = QImage(viewPath(letter, n)).convertToFormat(QImage::Format_RGB32);
    return views;
}

// Quarter turn clockwise on screen: (x, y) -> (W-1-y, x).
QImage turnClockwise(const QImage& src) {
    QImage dst(src.height(), src.width(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x)
            dst.setPixel(src.height() - 1 - y, x, src.pixel(x, y));
    return dst;
}

// Reflection in a vertical axis: (x, y) -> (W-1-x, y).
QImage mirrorLeftRight(const QImage& src) {
    QImage dst(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x)
            dst.setPixel(src.width() - 1 - x, y, src.pixel(x, y));
    return dst;
}

// Views 1-4 turn the drawing 0-3 quarter turns clockwise, 5-8 its mirror image.
QImage expectedView(const QImage& view1, int n) {
    QImage image = n >= 5 ? mirrorLeftRight(view1) : view1;
    for (int k = 0; k < (n - 1) % 4; ++k)
        image = turnClockwise(image);
    return image;
}

Difference compare(const QImage& a, const QImage& b, int threshold) {
    long long sum = 0;
    long long above = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int dr = std::abs(qRed(p) - qRed(q));
            const int dg = std::abs(qGreen(p) - qGreen(q));
            const int db = std::abs(qBlue(p) - qBlue(q));
            sum += dr + dg + db;
            if (std::max({dr, dg, db}) > threshold)
                ++above;
        }
    }
    const double pixels = double(a.width()) * a.height();
    return {sum / (3.0 * pixels), above / pixels};
}

// Equal up to JPEG noise.
bool matches(const Difference& d) {
    return d.meanAbs < kMatchMaxMean && d.fractionAbove < kMatchMaxStrongFraction;
}

bool allLoaded(const std::array<QImage, 8>& views) {
    return std::none_of(views.begin(), views.end(), [](const QImage& v) {
        return v.isNull() || v.size() != QSize(kSide, kSide);
    });
}

} // namespace

class tst_make_views : public QObject {
    Q_OBJECT

private slots:
    void filesExistAndDecode_data() { addLetterRows(); }
    void filesExistAndDecode();
    void viewsFollowNumbering_data() { addLetterRows(); }
    void viewsFollowNumbering();
    void viewTwoIsNotAnticlockwise_data() { addLetterRows(); }
    void viewTwoIsNotAnticlockwise();
    void allViewsClearlyDiffer_data() { addLetterRows(); }
    void allViewsClearlyDiffer();

private:
    static void addLetterRows();
};

void tst_make_views::addLetterRows() {
    QTest::addColumn<QString>("letter");
    for (char c = 'a'; c <= 'z'; ++c)
        QTest::newRow(QByteArray(1, c).constData()) << QString(QChar(c));
}

void tst_make_views::filesExistAndDecode() {
    QFETCH(QString, letter);
    for (int n = 1; n <= 8; ++n) {
        const QString path = viewPath(letter, n);
        QVERIFY2(QFileInfo::exists(path), qPrintable("missing " + path));
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable("cannot decode " + path));
        QCOMPARE(image.size(), QSize(kSide, kSide));
    }
}

void tst_make_views::viewsFollowNumbering() {
    QFETCH(QString, letter);
    const auto views = loadViews(letter);
    QVERIFY2(allLoaded(views), "views missing or of the wrong size");
    for (int n = 2; n <= 8; ++n) {
        const Difference d = compare(views[n - 1], expectedView(views[0], n), kMatchStrongDiff);
        QVERIFY2(matches(d), qPrintable(QString("view %1 is not the expected transform of view 1 "
                                                "(mean %2, strong %3%)")
                                            .arg(n)
                                            .arg(d.meanAbs, 0, 'f', 2)
                                            .arg(100 * d.fractionAbove, 0, 'f', 2)));
    }
}

// Guards against a comparison that accepts anything, and against turning
// the wrong way round.
void tst_make_views::viewTwoIsNotAnticlockwise() {
    QFETCH(QString, letter);
    const auto views = loadViews(letter);
    QVERIFY2(allLoaded(views), "views missing or of the wrong size");
    const QImage anticlockwise = turnClockwise(turnClockwise(turnClockwise(views[0])));
    QVERIFY2(!matches(compare(views[1], anticlockwise, kMatchStrongDiff)),
             "view 2 equals view 1 turned anticlockwise");
}

void tst_make_views::allViewsClearlyDiffer() {
    QFETCH(QString, letter);
    const auto views = loadViews(letter);
    QVERIFY2(allLoaded(views), "views missing or of the wrong size");
    for (int i = 0; i < 8; ++i) {
        for (int j = i + 1; j < 8; ++j) {
            const Difference d = compare(views[i], views[j], kClearDiff);
            QVERIFY2(d.fractionAbove >= kMinClearFraction,
                     qPrintable(
                         QString("views %1 and %2 are too alike: only %3% of pixels differ clearly")
                             .arg(i + 1)
                             .arg(j + 1)
                             .arg(100 * d.fractionAbove, 0, 'f', 1)));
        }
    }
}

QTEST_GUILESS_MAIN(tst_make_views)
#include "tst_make_views.moc"
