#include "ui/built_in_resources.h"
#include "ui/dataform.h"
#include "ui/stokfile1.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvane Stock"));
    stocks::registerBuiltInResources();
    QApplication::setWindowIcon(QIcon(QPixmap(QStringLiteral(":/program_icon.ico"), "ico")));
    TForm1 form1(stocks::programFilesFor(QCoreApplication::applicationFilePath().toStdString()));
    TForm2 form2;
    Form2 = &form2;
    form1.show();
    return QApplication::exec();
}
