// plain_window: a stock Qt Widgets window of about the dead-reckoning
// window's content (a menu, forty edits, forty labels, a pull-down list, a
// date field with its calendar, a status bar) and nothing else, so that
// bench/start_bench can tell what legplot's start costs beyond Qt's own.
// Its texts are in the faces the dead-reckoning form is drawn in (Liberation
// Sans, regular, bold and bold italic), as that form needs them before it
// can be shown; with "stock" as its argument it keeps Qt's default font.
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Plain Window"));

    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Print..."));
    QObject::connect(file->addAction(QStringLiteral("E&xit")), &QAction::triggered, &window, &QWidget::close);

    // Placed by position, as legplot's form places its controls.
    auto* client = new QWidget;
    client->setFixedSize(771, 501);
    const bool formFaces = argc < 2 || QByteArrayView(argv[1]) != "stock";
    if (formFaces)
        window.setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    for (int i = 0; i < 40; ++i) {
        const int x = 10 + (i % 5) * 150, y = 10 + (i / 5) * 48;
        auto* label = new QLabel(QStringLiteral("Field %1").arg(i + 1), client);
        label->setGeometry(x, y, 140, 18);
        if (formFaces && i % 8 == 0) {
            QFont face(QStringLiteral("Liberation Sans"), i == 0 ? 16 : 10, QFont::Bold, i == 0);
            label->setFont(face);
        }
        auto* edit = new QLineEdit(client);
        edit->setGeometry(x, y + 18, 140, 24);
        edit->setText(QStringLiteral("00:00"));
    }
    auto* list = new QComboBox(client);
    list->setGeometry(10, 400, 200, 24);
    for (int i = 0; i < 25; ++i)
        list->addItem(QStringLiteral("Item %1").arg(i + 1));
    auto* date = new QDateEdit(QDate::currentDate(), client);
    date->setCalendarPopup(true);
    date->setGeometry(230, 400, 250, 24);
    window.setCentralWidget(client);
    window.statusBar()->showMessage(QStringLiteral("Ready"));

    window.show();
    return QApplication::exec();
}
