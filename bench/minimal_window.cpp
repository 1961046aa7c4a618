// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "first_expose.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QVBoxLayout>
#include <QWidget>

#include <cstring>

namespace {

QFont face(const QStringList& families, int pixelSize, bool bold, bool underline)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

// The three faces the main window shows (its window font, its links and its letters), asked
// for as the program asks for them where none of the Windows families is installed: how
// much of the start-up difference they alone make.
void addProgramFaces(QVBoxLayout& layout)
{
    const QFont faces[] = {
        face({"DejaVu Sans"}, 11, false, false),
        face({"DejaVu Sans"}, 11, true, true),
        face({"DejaVu Sans Condensed"}, 13, true, false),
    };
    for (const QFont& font : faces) {
        auto* label = new QLabel(QStringLiteral("Grabhandle"));
        label->setFont(font);
        layout.addWidget(label);
    }
}

} // namespace

// The yardstick for start-up: a bare window of the main window's size with a label and a
// field, gone once shown. With --faces it also shows a label in each of the program's faces.
int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Stock")));
    layout->addWidget(new QLineEdit(QStringLiteral("Price")));
    if (argc > 1 && std::strcmp(argv[1], "--faces") == 0)
        addProgramFaces(*layout);
    window.resize(146, 235);
    const stocks::bench::FirstExpose quitWhenShown(window, [] { QCoreApplication::quit(); });
    window.show();
    return QApplication::exec();
}
