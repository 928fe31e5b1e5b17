#include "app/main_menu.h"

#include "app/license_window.h"
#include "app/print_report.h"
#include "app/user_guide.h"
#include "app/version.h"
#include "editor/text_editor.h"
#include "kit/logo.h"
#include "kit/platform.h"
#include "kit/screen_window.h"
#include "screens/area_screen.h"
#include "screens/catch_test_screen.h"
#include "screens/info_screen.h"
#include "screens/nozzle_selection_screen.h"
#include "screens/pressure_drop_screen.h"
#include "screens/rate_screen.h"
#include "screens/speed_screen.h"
#include "screens/tank_mix_screen.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>

namespace zelk {

namespace {
const QString kSupportAddress = QStringLiteral("support@zelk.example");

// The list of functions starts with no entry current, so the first key
// decides: Down, Up and Home land on the first entry, End and Page Down on
// the last. (Qt makes the first entry current when the list takes the focus,
// and Down would then skip it.)
class FunctionList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent* event) override {
        QListWidget::focusInEvent(event);
        if (selectedItems().isEmpty())
            selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }

    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override {
        if (!currentIndex().isValid() && count() > 0 &&
            (action == MoveEnd || action == MovePageDown))
            return model()->index(count() - 1, 0);
        return QListWidget::moveCursor(action, modifiers);
    }
};
} // namespace

MainMenu::MainMenu(Services& services) : services_(services) {
    setObjectName(QStringLiteral("SprayMenu"));
    setWindowTitle(QStringLiteral("Menu - Metric"));

    auto* contact = menuBar()->addAction(QStringLiteral("Help"));
    contact->setObjectName(QStringLiteral("Contact"));
    auto* about = menuBar()->addAction(QStringLiteral("About"));
    about->setObjectName(QStringLiteral("Zelk"));
    auto* license = menuBar()->addAction(QStringLiteral("License"));
    license->setObjectName(QStringLiteral("Licensetxt"));
    connect(contact, &QAction::triggered, this, &MainMenu::showHelp);
    connect(about, &QAction::triggered, this, &MainMenu::showAbout);
    connect(license, &QAction::triggered, this, &MainMenu::showLicense);
    // After the three commands of the menu bar, with the desktop's help key.
    auto* guide = menuBar()->addAction(QStringLiteral("User Guide"));
    guide->setObjectName(QStringLiteral("userGuideCommand"));
    guide->setShortcut(QKeySequence::HelpContents);
    connect(guide, &QAction::triggered, this, &MainMenu::showUserGuide);

    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(16, 12, 16, 16);
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(8);

    auto* logo = new Logo(central, 72);

    auto* title = new QLabel(QStringLiteral("Zelk Sprayer Calibration Tool"), central);
    title->setObjectName(QStringLiteral("Label1"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    auto* version = new QLabel(QStringLiteral("Metric Version"), central);
    version->setObjectName(QStringLiteral("Label4"));
    QFont versionFont = version->font();
    versionFont.setPointSizeF(versionFont.pointSizeF() * 1.3);
    versionFont.setItalic(true);
    version->setFont(versionFont);
    version->setAlignment(Qt::AlignCenter);

    auto* description = new QLabel(QStringLiteral("A Computer based tool to assist in the proper "
                                                  "setting and adjustment of Turf Sprayers."),
                                   central);
    description->setObjectName(QStringLiteral("Label3"));
    description->setWordWrap(true);
    QFont descriptionFont = description->font();
    descriptionFont.setPointSizeF(descriptionFont.pointSizeF() * 1.25);
    description->setFont(descriptionFont);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* select = new QLabel(QStringLiteral("Select Desired Function"), central);
    select->setObjectName(QStringLiteral("Label2"));
    QFont selectFont = select->font();
    selectFont.setBold(true);
    select->setFont(selectFont);

    list_ = new FunctionList(central);
    list_->setObjectName(QStringLiteral("List1"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSortingEnabled(false);
    list_->setAccessibleName(select->text());
    select->setBuddy(list_);
    list_->viewport()->installEventFilter(this);
    list_->installEventFilter(this);

    grid->addWidget(logo, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(title, 0, 1, 1, 2, Qt::AlignCenter);
    grid->addWidget(version, 1, 2);
    grid->addWidget(description, 2, 0, 2, 2);
    grid->addWidget(select, 2, 2);
    grid->addWidget(list_, 3, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(3, 1);
    setCentralWidget(central);

    connect(list_, &QListWidget::itemClicked, this, &MainMenu::runSelectedEntry);
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { bringEntryToFront(list_->row(item)); });
    connect(list_, &QListWidget::currentRowChanged, this, [this] {
        if (!mouseDown_)
            runSelectedEntry();
    });

    resize(ui::px(10245), ui::px(6855) + menuBar()->sizeHint().height());
}

const QStringList& MainMenu::entries() {
    static const QStringList names = {
        QStringLiteral("Enter Information"),     QStringLiteral("Nozzle Uniformity"),
        QStringLiteral("Speed Calculator"),      QStringLiteral("Area Calculator"),
        QStringLiteral("Application Rate"),      QStringLiteral("Tank Mixing"),
        QStringLiteral("Select Correct Nozzle"), QStringLiteral("Nozzle Pressure Drop"),
        QStringLiteral("Print Report")};
    return names;
}

void MainMenu::Form_Load() {
    list_->addItems(entries());
}

void MainMenu::runSelectedEntry() {
    // Tested in this fixed order; one entry at most is selected.
    for (int index : {0, 1, 2, 3, 7, 5, 4, 6, 8}) {
        const QListWidgetItem* item = list_->item(index);
        if (item && item->isSelected())
            runEntry(index);
    }
}

void MainMenu::runCurrentEntry() {
    QListWidgetItem* item = list_->currentItem();
    if (!item)
        return;
    item->setSelected(true);
    runSelectedEntry();
}

void MainMenu::bringEntryToFront(int index) {
    if (index == 8) {
        if (auto* editor = services_.screens.find<TextEditor>())
            editor->showEditor();
        else
            PrintReport(services_);
        return;
    }
    runEntry(index);
}

void MainMenu::runEntry(int index) {
    switch (index) {
    case 0:
        services_.screens.show<InfoScreen>();
        break;
    case 3:
        services_.screens.show<AreaScreen>();
        break;
    case 6:
        services_.screens.show<NozzleSelectionScreen>();
        break;
    case 1:
        services_.screens.show<CatchTestScreen>();
        break;
    case 5:
        services_.screens.show<TankMixScreen>();
        break;
    case 2:
        services_.screens.show<SpeedScreen>();
        break;
    case 4:
        services_.screens.show<RateScreen>();
        break;
    case 7:
        services_.screens.show<PressureDropScreen>();
        break;
    case 8:
        PrintReport(services_);
        break;
    default:
        break;
    }
}

void MainMenu::showHelp() {
    services_.platform.message(this,
                               QStringLiteral("Report Software Problems to: ") + kSupportAddress,
                               QStringLiteral("Program Information"));
}

void MainMenu::showAbout() {
    services_.platform.message(this,
                               QStringLiteral("Zelk Sprayer Calibration Tool %1, copyright 2026 "
                                              "Zelk. All rights reserved.")
                                   .arg(QLatin1String(kProgramVersion)),
                               QStringLiteral("Program Information"));
}

void MainMenu::showLicense() {
    services_.screens.show<LicenseWindow>();
}

void MainMenu::showUserGuide() {
    services_.screens.show<UserGuide>();
}

bool MainMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            ui::IsUnmodified(*key)) {
            runCurrentEntry();
            return true;
        }
    }
    if (watched == list_->viewport()) {
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonDblClick)
            mouseDown_ = true;
        else if (event->type() == QEvent::MouseButtonRelease)
            mouseDown_ = false;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainMenu::closeEvent(QCloseEvent* event) {
    services_.screens.release(this);
    event->accept();
}

} // namespace zelk
