#include "screens/area_screen.h"

#include "core/area.h"
#include "kit/logo.h"
#include "screens/shape_drawing.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace zelk {

namespace {

constexpr int kFieldLeft = 3720;   // twips
constexpr int kFieldWidth = 1455;  // twips
constexpr int kResultWidth = 1935; // twips
constexpr int kFormulaLeft = 240, kFormulaTop = 4560, kFormulaWidth = 3255, kFormulaHeight = 1935;

struct DrawingPlace {
    ShapeDrawing::Kind kind;
    const char* name;
    int left, top, width, height; // twips
};

// The trapezoid's area reaches over the right edge of the formula box; its
// drawing starts clear of it.
const DrawingPlace kDrawings[] = {
    {ShapeDrawing::Kind::Circle, "ImgCircle", 6600, 5640, 2250, 2250},
    {ShapeDrawing::Kind::Triangle, "imgTriangle", 7080, 5640, 2250, 1845},
    {ShapeDrawing::Kind::RightTriangle, "imgTriangle2", 4320, 5640, 2250, 1845},
    {ShapeDrawing::Kind::Square, "imgSquare", 6480, 5520, 2250, 2250},
    {ShapeDrawing::Kind::Rectangle, "imgRect", 5280, 6360, 3300, 1860},
    {ShapeDrawing::Kind::Parallelogram, "ImgParrel", 4200, 6000, 3600, 2250},
    {ShapeDrawing::Kind::Trapezoid, "ImgTrapez", 3120, 5040, 4200, 2250},
};

// The results wear the system's tool-tip colours, so they read as output, not entry.
void styleResult(QLabel* result) {
    result->setAutoFillBackground(true);
    QPalette palette = result->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::WindowText, palette.color(QPalette::ToolTipText));
    result->setPalette(palette);
    result->setFrameShape(QFrame::Panel);
    result->setFrameShadow(QFrame::Sunken);
    result->setMargin(2);
    result->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

} // namespace

AreaScreen::AreaScreen(Services& services) : ScreenWindow(services) {
    setObjectName(QStringLiteral("frmArea"));
    setWindowTitle(QStringLiteral("Area - Metric"));

    // Positions and widths in twips, grown for a large font.
    const double scale = ui::FontScale(font());
    const auto at = [scale](int twips) { return ui::px(twips, scale); };

    auto* logo = new Logo(this, 56);
    logo->move(at(240), at(180));

    shapeList_ = new QComboBox(this);
    shapeList_->setObjectName(QStringLiteral("DropShape"));
    shapeList_->setAccessibleName(QStringLiteral("Shape"));
    shapeList_->setPlaceholderText(QStringLiteral("Select Shape"));
    shapeList_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    shapeList_->move(at(720), at(1320));

    const int rows[3] = {1920, 2400, 2880};
    for (int i = 0; i < 3; ++i) {
        const QString n = QString::number(i + 1);
        dimensionFields_[i] = makeEntry(QStringLiteral("txt") + n);
        bindInputs({{"dimension " + std::to_string(i + 1), dimensionFields_[i]}});
        dimensionFields_[i]->setGeometry(at(kFieldLeft), at(rows[i]), at(kFieldWidth),
                                         dimensionFields_[i]->sizeHint().height());
        dimensionCaptions_[i] = makeLabel(QStringLiteral("lbl") + n, QString());
        dimensionCaptions_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        dimensionCaptions_[i]->setBuddy(dimensionFields_[i]);
    }

    auto* label2 = makeLabel(QStringLiteral("Label2"), QStringLiteral("Area in Sq meters"));
    label2->adjustSize();
    label2->move(at(3600), at(3360));
    squareMetersResult_ = makeLabel(QStringLiteral("txtArea"), QString());
    auto* label3 = makeLabel(QStringLiteral("Label3"), QStringLiteral("Area in hectares"));
    label3->adjustSize();
    label3->move(at(3600), at(4200));
    hectaresResult_ = makeLabel(QStringLiteral("txtAcres"), QString());
    for (auto [result, top] :
         {std::pair{squareMetersResult_, 3720}, std::pair{hectaresResult_, 4560}}) {
        styleResult(result);
        result->setGeometry(at(3600), at(top), at(kResultWidth),
                            result->fontMetrics().height() + 8);
    }
    label2->setBuddy(squareMetersResult_);
    label3->setBuddy(hectaresResult_);
    squareMetersResult_->setAccessibleName(label2->text());
    hectaresResult_->setAccessibleName(label3->text());

    auto* calculate = makeButton(QStringLiteral("Command1"), QStringLiteral("Calculate"));
    calculate->setGeometry(at(960), at(3720), std::max(at(1215), calculate->sizeHint().width()),
                           calculate->sizeHint().height());

    formula_ = makeLabel(QStringLiteral("TxtFormula"), QString());
    formula_->setWordWrap(true);
    formula_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    formula_->setFrameShape(QFrame::Box);
    formula_->setMargin(4);
    formula_->setGeometry(at(kFormulaLeft), at(kFormulaTop), at(kFormulaWidth), at(kFormulaHeight));

    for (std::size_t i = 0; i < drawings_.size(); ++i) {
        const DrawingPlace& place = kDrawings[i];
        const int inset = place.kind == ShapeDrawing::Kind::Trapezoid
                              ? at(kFormulaLeft + kFormulaWidth - place.left) + 8
                              : 0;
        drawings_[i] = new ShapeDrawing(place.kind, QLatin1String(place.name), this, inset);
        drawings_[i]->setGeometry(at(place.left), at(place.top), at(place.width), at(place.height));
        drawings_[i]->hide();
    }

    setTabOrder(shapeList_, dimensionFields_[0]);
    setTabOrder(dimensionFields_[0], dimensionFields_[1]);
    setTabOrder(dimensionFields_[1], dimensionFields_[2]);
    setTabOrder(dimensionFields_[2], calculate);
    shapeList_->setFocus();

    const QSize client(at(9840), at(8400));
    setMinimumSize(client);
    resize(client);

    connect(shapeList_, &QComboBox::activated, this, &AreaScreen::showShape);
    connect(calculate, &QPushButton::clicked, this, &AreaScreen::calculate);
}

void AreaScreen::Form_Load() {
    for (const ShapeRow& row : ShapeLayout)
        shapeList_->addItem(QString::fromUtf8(row.item.data(), qsizetype(row.item.size())));
    shapeList_->setCurrentIndex(-1);
    shapeList_->adjustSize();
    for (int i = 0; i < 3; ++i) {
        dimensionCaptions_[i]->hide();
        dimensionFields_[i]->hide();
    }
}

void AreaScreen::showShape() {
    const int index = shapeList_->currentIndex();
    if (index < 0 || index >= kShapeCount)
        return;
    const ShapeRow& row = ShapeLayout[static_cast<std::size_t>(index)];
    const auto toQt = [](std::string_view s) {
        return QString::fromUtf8(s.data(), qsizetype(s.size()));
    };

    for (ShapeDrawing* drawing : drawings_)
        drawing->hide();
    for (std::size_t i = 0; i < 3; ++i) {
        const bool shown = !row.captions[i].empty();
        if (shown) {
            const QString caption = toQt(row.captions[i]);
            dimensionCaptions_[i]->setText(caption);
            dimensionFields_[i]->setAccessibleName(caption);
            // Right-aligned against its field, as wide as the caption needs.
            const int width = dimensionCaptions_[i]->sizeHint().width();
            dimensionCaptions_[i]->setGeometry(dimensionFields_[i]->x() - 6 - width,
                                               dimensionFields_[i]->y(), width,
                                               dimensionFields_[i]->height());
        }
        dimensionCaptions_[i]->setVisible(shown);
        dimensionFields_[i]->setVisible(shown);
    }
    for (std::size_t i = 0; i < 3; ++i) {
        if (row.emptied[i])
            dimensionFields_[i]->clear();
    }
    squareMetersResult_->clear();
    hectaresResult_->clear();
    formula_->setText(toQt(row.formula));
    for (std::string_view name : row.drawings) {
        if (name.empty())
            continue;
        if (auto* drawing = findChild<ShapeDrawing*>(toQt(name)))
            drawing->show();
    }
}

void AreaScreen::calculate() {
    const auto outcome =
        AreaCalculation(shapeList_->currentIndex(), text(dimensionFields_[0]),
                        text(dimensionFields_[1]), text(dimensionFields_[2]), decimalSeparator());
    if (!outcome)
        return;
    applyOutcome(*outcome, [this](const AreaTexts& texts) {
        squareMetersResult_->setText(QString::fromStdString(texts.squareMeters));
        hectaresResult_->setText(QString::fromStdString(texts.hectares));
    });
}

} // namespace zelk
