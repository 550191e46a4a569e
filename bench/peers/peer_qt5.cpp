// The query builder's layout written with Qt 5 Widgets, for start-up comparisons. With
// --first-frame the process ends as soon as its first frame has reached the X server.
#include "PeerCatalogue.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QX11Info>

#include <cstring>
#include <unistd.h>

namespace {

void SyncWithServer();

// A widget's window paints and flushes its backing store while it handles an expose or an
// update request; once one of them has painted, the frame is out.
class FirstFrameApp : public QApplication {
  public:
    FirstFrameApp(int& argc, char** argv, bool watch) : QApplication(argc, argv), watch(watch) {}

    bool notify(QObject* receiver, QEvent* e) override {
        const QEvent::Type type = e->type();
        const bool handled = QApplication::notify(receiver, e);
        if (!watch) {
            return handled;
        }
        painted = painted || type == QEvent::Paint;
        if (painted && (type == QEvent::Expose || type == QEvent::UpdateRequest)) {
            SyncWithServer();
            _exit(0);
        }
        return handled;
    }

  private:
    bool watch;
    bool painted = false;
};

template <typename W> W* Put(QWidget* parent, W* child, int x, int y, int w, int h) {
    child->setParent(parent);
    child->setGeometry(x, y, w, h);
    return child;
}

QLabel* Blue(const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text));
    label->setStyleSheet("color: #0000ff");
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QListWidget* ColumnList() {
    auto* list = new QListWidget;
    auto add = [list](const char* name, bool on) {
        auto* item = new QListWidgetItem(QString::fromUtf8(name), list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    };
    add("*", true);
    for (const char* column : peerColumns) {
        add(column, false);
    }
    return list;
}

QTreeWidget* Grid(const QStringList& headers) {
    auto* grid = new QTreeWidget;
    grid->setRootIsDecorated(false);
    grid->setHeaderLabels(headers);
    return grid;
}

QTreeWidget* OrderByGrid() {
    QTreeWidget* grid = Grid({"", "Fields", "Asc/Desc"});
    for (const char* column : peerColumns) {
        auto* row = new QTreeWidgetItem(grid, {"", QString::fromUtf8(column), ""});
        row->setCheckState(0, Qt::Unchecked);
    }
    return grid;
}

QComboBox* TableCombo() {
    auto* combo = new QComboBox;
    for (const char* table : peerTables) {
        combo->addItem(QString::fromUtf8(table));
    }
    return combo;
}

QCheckBox* Checked() {
    auto* box = new QCheckBox;
    box->setChecked(true);
    return box;
}

void Fill(QDialog& d) {
    Put(&d, Blue("Syntax:"), 10, 10, 140, 16);
    Put(&d, Blue(peerSyntax), 10, 30, 156, 130);
    Put(&d, new QLabel("SQL statement preview"), 10, 172, 180, 18);
    auto* preview = Put(&d, new QPlainTextEdit(peerPreview), 10, 188, 180, 200);
    preview->setReadOnly(true);
    Put(&d, Blue("SELECT"), 200, 10, 64, 18);
    Put(&d, ColumnList(), 264, 10, 123, 108);
    Put(&d, Blue("FROM"), 390, 10, 40, 18);
    Put(&d, TableCombo(), 435, 10, 157, 26);
    Put(&d, Blue("WHERE"), 201, 133, 60, 18);
    Put(&d, Checked(), 213, 155, 16, 16);
    Put(&d, Grid({"Value", "AndOr", "Fields", "Operator"}), 265, 131, 294, 140);
    Put(&d, new QPushButton("+"), 562, 133, 27, 29);
    Put(&d, new QPushButton("-"), 562, 162, 27, 29);
    Put(&d, Blue("ORDER BY"), 201, 281, 62, 18);
    Put(&d, Checked(), 214, 305, 16, 16);
    Put(&d, OrderByGrid(), 265, 281, 220, 108);
    Put(&d, new QPushButton("^"), 487, 281, 24, 16);
    Put(&d, new QPushButton("v"), 487, 297, 24, 16);
    Put(&d, new QPushButton("OK"), 500, 340, 90, 23)->setDefault(true);
    Put(&d, new QPushButton("Cancel"), 500, 366, 90, 23);
}

} // namespace

int main(int argc, char** argv) {
    const bool firstFrame = argc > 1 && std::strcmp(argv[1], "--first-frame") == 0;
    FirstFrameApp app(argc, argv, firstFrame);
    QDialog dialog;
    dialog.setWindowTitle(peerTitle);
    dialog.setFixedSize(600, 399);
    Fill(dialog);
    return dialog.exec() == QDialog::Accepted ? 0 : 1;
}

// Xlib's macros (Expose among them) clash with Qt's names, so Xlib comes in last.
#include <X11/Xlib.h>

namespace {

void SyncWithServer() {
    XSync(QX11Info::display(), False);
}

} // namespace
