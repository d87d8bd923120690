// SPDX-License-Identifier: GPL-3.0-or-later
// make_views: renders each figure drawing and writes its eight views (four
// quarter turns of the drawing and four of its mirror image) as JPEG, at the
// full size and as smaller copies in the folders 120/, 240/ and 300/, which
// the program decodes for boxes no larger than that: a small file decodes
// many times faster than a large one scaled down. Each copy carries the
// fingerprint of the view it was made beside.
//
// Usage: make_views <figures-dir> <out-dir> [letter]

#include "common/views/FileViste.h"
#include "common/views/OttoViste.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QString>

#include <cstdio>

namespace {

void fail(const QString& message) {
    std::fprintf(stderr, "make_views: %s\n", qPrintable(message));
}

bool makeViews(const QDir& figures, const QDir& out, QChar letter) {
    const QString svgPath = figures.filePath(QString(letter) + ".svg");
    if (!QFileInfo::exists(svgPath)) {
        fail("missing drawing " + svgPath);
        return false;
    }
    const auto drawn = OttoViste::disegnaSvg(svgPath);
    if (!drawn) {
        fail("invalid SVG " + svgPath);
        return false;
    }
    const FileViste::File files = FileViste::di(letter, OttoViste::da(*drawn));
    if (files.isEmpty()) {
        fail("cannot encode the views of " + svgPath);
        return false;
    }
    QString failed;
    if (!FileViste::scrivi(out.path(), files, &failed)) {
        fail("cannot write " + failed);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3 || args.size() > 4) {
        fail("usage: make_views <figures-dir> <out-dir> [letter]");
        return 2;
    }

    QString letters = "abcdefghijklmnopqrstuvwxyz";
    if (args.size() == 4) {
        const QString only = args.at(3);
        if (only.size() != 1 || !letters.contains(only)) {
            fail("the optional third argument must be one letter a..z");
            return 2;
        }
        letters = only;
    }

    const QDir figures(args.at(1));
    const QDir out(args.at(2));
    QStringList folders = {out.path()};
    for (int side : FileViste::latiCopie())
        folders << out.filePath(QString::number(side));
    for (const QString& path : folders)
        if (!QDir().mkpath(path)) {
            fail("cannot create output folder " + path);
            return 1;
        }

    for (QChar letter : letters)
        if (!makeViews(figures, out, letter))
            return 1;
    return 0;
}
