#include "screens/area.h"

#include "app/logo.h"
#include "calc/area.h"
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

frmArea::frmArea(Services& services) : ScreenWindow(services) {
    setObjectName(QStringLiteral("frmArea"));
    setWindowTitle(QStringLiteral("Area - Metric"));

    // Positions and widths in twips, grown for a large font.
    const double scale = ui::FontScale(font());
    const auto at = [scale](int twips) { return ui::px(twips, scale); };

    auto* logo = new Logo(this, 56);
    logo->move(at(240), at(180));

    DropShape_ = new QComboBox(this);
    DropShape_->setObjectName(QStringLiteral("DropShape"));
    DropShape_->setAccessibleName(QStringLiteral("Shape"));
    DropShape_->setPlaceholderText(QStringLiteral("Select Shape"));
    DropShape_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    DropShape_->move(at(720), at(1320));

    const int rows[3] = {1920, 2400, 2880};
    for (int i = 0; i < 3; ++i) {
        const QString n = QString::number(i + 1);
        fields_[i] = makeEntry(QStringLiteral("txt") + n);
        fields_[i]->setGeometry(at(kFieldLeft), at(rows[i]), at(kFieldWidth),
                                fields_[i]->sizeHint().height());
        captions_[i] = makeLabel(QStringLiteral("lbl") + n, QString());
        captions_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        captions_[i]->setBuddy(fields_[i]);
    }

    auto* label2 = makeLabel(QStringLiteral("Label2"), QStringLiteral("Area in Sq meters"));
    label2->adjustSize();
    label2->move(at(3600), at(3360));
    txtArea_ = makeLabel(QStringLiteral("txtArea"), QString());
    auto* label3 = makeLabel(QStringLiteral("Label3"), QStringLiteral("Area in hectares"));
    label3->adjustSize();
    label3->move(at(3600), at(4200));
    txtAcres_ = makeLabel(QStringLiteral("txtAcres"), QString());
    for (auto [result, top] : {std::pair{txtArea_, 3720}, std::pair{txtAcres_, 4560}}) {
        styleResult(result);
        result->setGeometry(at(3600), at(top), at(kResultWidth),
                            result->fontMetrics().height() + 8);
    }
    label2->setBuddy(txtArea_);
    label3->setBuddy(txtAcres_);
    txtArea_->setAccessibleName(label2->text());
    txtAcres_->setAccessibleName(label3->text());

    auto* calculate = makeButton(QStringLiteral("Command1"), QStringLiteral("Calculate"));
    calculate->setGeometry(at(960), at(3720), std::max(at(1215), calculate->sizeHint().width()),
                           calculate->sizeHint().height());

    TxtFormula_ = makeLabel(QStringLiteral("TxtFormula"), QString());
    TxtFormula_->setWordWrap(true);
    TxtFormula_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    TxtFormula_->setFrameShape(QFrame::Box);
    TxtFormula_->setMargin(4);
    TxtFormula_->setGeometry(at(kFormulaLeft), at(kFormulaTop), at(kFormulaWidth),
                             at(kFormulaHeight));

    for (std::size_t i = 0; i < drawings_.size(); ++i) {
        const DrawingPlace& place = kDrawings[i];
        const int inset = place.kind == ShapeDrawing::Kind::Trapezoid
                              ? at(kFormulaLeft + kFormulaWidth - place.left) + 8
                              : 0;
        drawings_[i] = new ShapeDrawing(place.kind, QLatin1String(place.name), this, inset);
        drawings_[i]->setGeometry(at(place.left), at(place.top), at(place.width), at(place.height));
        drawings_[i]->hide();
    }

    setTabOrder(DropShape_, fields_[0]);
    setTabOrder(fields_[0], fields_[1]);
    setTabOrder(fields_[1], fields_[2]);
    setTabOrder(fields_[2], calculate);
    DropShape_->setFocus();

    const QSize client(at(9840), at(8400));
    setMinimumSize(client);
    resize(client);

    connect(DropShape_, &QComboBox::activated, this, &frmArea::DropShape_Click);
    connect(calculate, &QPushButton::clicked, this, &frmArea::Command1_Click);
}

void frmArea::Form_Load() {
    for (const ShapeRow& row : ShapeLayout)
        DropShape_->addItem(QString::fromUtf8(row.item.data(), qsizetype(row.item.size())));
    DropShape_->setCurrentIndex(-1);
    DropShape_->adjustSize();
    for (int i = 0; i < 3; ++i) {
        captions_[i]->hide();
        fields_[i]->hide();
    }
}

void frmArea::DropShape_Click() {
    const int index = DropShape_->currentIndex();
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
            captions_[i]->setText(caption);
            fields_[i]->setAccessibleName(caption);
            // Right-aligned against its field, as wide as the caption needs.
            const int width = captions_[i]->sizeHint().width();
            captions_[i]->setGeometry(fields_[i]->x() - 6 - width, fields_[i]->y(), width,
                                      fields_[i]->height());
        }
        captions_[i]->setVisible(shown);
        fields_[i]->setVisible(shown);
    }
    for (std::size_t i = 0; i < 3; ++i) {
        if (row.emptied[i])
            fields_[i]->clear();
    }
    txtArea_->clear();
    txtAcres_->clear();
    TxtFormula_->setText(toQt(row.formula));
    for (std::string_view name : row.drawings) {
        if (name.empty())
            continue;
        if (auto* drawing = findChild<ShapeDrawing*>(toQt(name)))
            drawing->show();
    }
}

void frmArea::Command1_Click() {
    const auto outcome = AreaCalculation(DropShape_->currentIndex(), text(fields_[0]),
                                         text(fields_[1]), text(fields_[2]), decimalSeparator());
    if (!outcome)
        return;
    if (const auto* error = std::get_if<EntryError>(&*outcome)) {
        showEntryError(*error);
        return;
    }
    const AreaTexts& texts = std::get<AreaTexts>(*outcome);
    txtArea_->setText(QString::fromStdString(texts.squareMeters));
    txtAcres_->setText(QString::fromStdString(texts.hectares));
}

} // namespace zelk
