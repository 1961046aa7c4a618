// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/program/program_run.h"

#include "ui/accessibility/accessible_interfaces.h"
#include "ui/program/one_copy_per_page.h"
#include "ui/program/session_end.h"
#include "ui/stokfile1.h"
#include "ui/window/built_in_resources.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

namespace stocks {

int runProgram(const ProgramFiles& files, const std::function<void(TForm1&)>& onShow)
{
    OneCopyPerPage oneCopy(files);
    if (oneCopy.anotherCopyRuns())
        return 0;
    installAccessibleInterfaces();
    QApplication::setWindowIcon(
        QIcon(QPixmap::fromImage(builtInPicture(QStringLiteral(":/program_icon.ico")))));
    TForm1 form1(files);
    oneCopy.bringToFrontOnRequest(form1);
    const SessionEnd sessionEnd(form1);
    if (onShow)
        onShow(form1);
    form1.show();
    return QApplication::exec();
}

} // namespace stocks
