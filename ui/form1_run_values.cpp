// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/form1_run_values.h"

#include "platform/display_choice.h"
#include "skin/skin_picture.h"
#include "ui/widgets/text_codec.h"
#include "ui/widgets/up_down.h"
#include "ui/window/window_placement.h"
#include "ui/window/window_shape.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QWidget>

namespace stocks {

std::string Form1RunValues::refText() const
{
    return fromQt(form_.ref->text());
}

void Form1RunValues::setRefText(const std::string& text)
{
    form_.ref->setText(toQt(text));
}

std::string Form1RunValues::oldrefCaption() const
{
    return fromQt(form_.oldref->text());
}

void Form1RunValues::setOldrefCaption(const std::string& caption)
{
    form_.oldref->setText(toQt(caption));
}

int Form1RunValues::spinnerPosition() const
{
    return form_.UpDown1->position();
}

void Form1RunValues::setSpinnerPosition(int position)
{
    form_.UpDown1->setPosition(position);
}

int Form1RunValues::windowTop() const
{
    return platform::canPlaceWindows() ? form_.window->y() : storedTop_;
}

int Form1RunValues::windowLeft() const
{
    return platform::canPlaceWindows() ? form_.window->x() : storedLeft_;
}

void Form1RunValues::setWindowPosition(int top, int left)
{
    storedTop_ = top;
    storedLeft_ = left;
    QPoint place(left, top);
    // A place on a screen since unplugged, or past a lowered resolution, would open the
    // window where nobody can reach it; the close then stores where it really is.
    if (platform::canPlaceWindows())
        place = placeOnScreens(place, form_.window->size(), grabArea(), screenAreas());
    form_.window->move(place);
}

QRect Form1RunValues::grabArea() const
{
    return {form_.Label1->mapTo(form_.window, QPoint(0, 0)), form_.Label1->size()};
}

bool Form1RunValues::brokerVisible() const
{
    return !form_.Brok->isHidden();
}

void Form1RunValues::setBrokerVisible(bool visible)
{
    form_.Brok->setVisible(visible);
}

bool Form1RunValues::lookVisible() const
{
    return !form_.look->isHidden();
}

void Form1RunValues::setLookVisible(bool visible)
{
    form_.look->setVisible(visible);
}

void Form1RunValues::applyWindowShape()
{
    ApplyWindowShape(form_.window, false);
}

void Form1RunValues::loadSkin(const std::string& fileName)
{
    form_.Image1->setPixmap(QPixmap::fromImage(loadSkinPicture(fileName, form_.Image1->size())));
}

} // namespace stocks
