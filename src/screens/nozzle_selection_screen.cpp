#include "screens/nozzle_selection_screen.h"

#include "core/nozzle_selection.h"
#include "kit/logo.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace zelk {

namespace {

constexpr int kFieldWidth = 1455; // twips, every field
constexpr int kCaptionLeft = 480;
constexpr int kFieldLeft = 3480;
constexpr int kGap = 8; // pixels between a caption and its field
// Controls from here rightwards (Label4 is the leftmost) move with the fields.
constexpr int kRightOfCaptions = 3240;

QFrame* frameLine(QWidget* parent, const char* name, QRect geometry) {
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(geometry.height() == 1 ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    line->setGeometry(geometry);
    return line;
}

} // namespace

NozzleSelectionScreen::NozzleSelectionScreen(Services& services) : ScreenWindow(services) {
    setObjectName(QStringLiteral("Nozzleoutput"));
    setWindowTitle(QStringLiteral("Nozzle Selection - Metric"));

    // Positions and widths in twips, grown for a large font.
    const double scale = ui::FontScale(font());
    const auto at = [scale](int twips) { return ui::px(twips, scale); };

    auto* logo = new Logo(this, 56);
    logo->move(at(240), at(180));

    auto* heading = makeHeading(QStringLiteral("Label5(2)"), QStringLiteral("Nozzle Selection"));
    heading->adjustSize();

    const auto rate = makeCaptionedEntry(
        QStringLiteral("Label1"), QStringLiteral("Enter Desired Application Rate in L/ha"),
        QStringLiteral("Text1"), QStringLiteral("Enter Application Rate"));
    const auto speed = makeCaptionedEntry(QStringLiteral("Label2"),
                                          QStringLiteral("Enter Application Speed in km/h"),
                                          QStringLiteral("Text2"), QStringLiteral("Enter km/h"));
    const auto spacing = makeCaptionedEntry(
        QStringLiteral("Label3"), QStringLiteral("Enter Nozzle Spacing in Centimeters."),
        QStringLiteral("Text3"), QStringLiteral("Enter Nozzle Spacing in cm"));
    rateField_ = rate.field;
    speedField_ = speed.field;
    spacingField_ = spacing.field;
    bindInputs({{"rate", rateField_}, {"speed", speedField_}, {"spacing", spacingField_}});
    QLabel* const label1 = rate.caption;
    QLabel* const label2 = speed.caption;
    QLabel* const label3 = spacing.caption;

    // Everything right of the captions moves right as far as the longest
    // caption needs at the system font; at a small font nothing moves.
    int captionWidth = 0;
    for (QLabel* caption : {label1, label2, label3})
        captionWidth = std::max(captionWidth, caption->sizeHint().width());
    const int shift = std::max(0, at(kCaptionLeft) + captionWidth + kGap - at(kFieldLeft));
    const auto x = [shift, &at](int twips) {
        return at(twips) + (twips >= kRightOfCaptions ? shift : 0);
    };
    const auto place = [&x, &at](QWidget* widget, int left, int top, int width) {
        widget->setGeometry(x(left), at(top), at(width), widget->sizeHint().height());
    };
    // A caption centred on its field's height.
    const auto placeBeside = [&x](QLabel* label, int left, const QWidget* field) {
        label->adjustSize();
        label->move(x(left), field->y() + (field->height() - label->height()) / 2);
    };
    // Wrapped in its width, as tall as its lines need.
    const auto placeWrapped = [&x, &at](QLabel* label, int left, int top, int width) {
        label->setWordWrap(true);
        label->setGeometry(x(left), at(top), at(width), label->heightForWidth(at(width)));
    };

    place(rateField_, kFieldLeft, 1200, kFieldWidth);
    place(speedField_, kFieldLeft, 1920, kFieldWidth);
    place(spacingField_, kFieldLeft, 2640, kFieldWidth);
    placeBeside(label1, kCaptionLeft, rateField_);
    placeBeside(label2, kCaptionLeft, speedField_);
    placeBeside(label3, kCaptionLeft, spacingField_);

    auto* calculateButton = makeButton(QStringLiteral("Command1"), QStringLiteral("Calculate"));
    auto* resetButton = makeButton(QStringLiteral("Command2"), QStringLiteral("Reset"));
    const int buttonWidth =
        std::max({at(1215), calculateButton->sizeHint().width(), resetButton->sizeHint().width()});
    calculateButton->setGeometry(at(480), at(3480), buttonWidth,
                                 calculateButton->sizeHint().height());
    resetButton->setGeometry(at(480), at(4080), buttonWidth, resetButton->sizeHint().height());

    const auto flow = makeCaptionedResult(
        QStringLiteral("Label4"), QStringLiteral("l/min. per Nozzle"), QStringLiteral("Text4(0)"));
    flowField_ = flow.field;
    place(flowField_, kFieldLeft, 3360, kFieldWidth);
    QLabel* const label4 = flow.caption;
    label4->adjustSize();
    label4->move(x(3240), at(3960));

    // The range column, framed by four lines.
    auto* rangeHeading = makeLabel(QStringLiteral("Label6(1)"), QStringLiteral("Acceptable Range"));
    placeWrapped(rangeHeading, 5760, 1560, 7680 - 5760);
    upperField_ = makeResult(QStringLiteral("Text4(1)"));
    place(upperField_, 5760, 2280, kFieldWidth);
    auto* plus = makeLabel(QStringLiteral("Label5(0)"), QStringLiteral("+"));
    lowerField_ = makeResult(QStringLiteral("Text4(2)"));
    place(lowerField_, 5760, 2880, kFieldWidth);
    auto* minus = makeLabel(QStringLiteral("Label5(1)"), QStringLiteral("-"));
    for (auto [mark, field] : {std::pair{plus, upperField_}, std::pair{minus, lowerField_}}) {
        QFont markFont = mark->font();
        markFont.setBold(true);
        mark->setFont(markFont);
        placeBeside(mark, 7320, field);
    }
    auto* note = makeLabel(QStringLiteral("Label6(0)"),
                           QStringLiteral("Refer to Nozzle Chart (Nozzle l/min Column)"));
    placeWrapped(note, 5760, 3480, 7680 - 5760);

    const int left = x(5640), top = at(1440), right = x(7800), bottom = at(4560);
    frameLine(this, "Line1", QRect(left, top, right - left + 1, 1));
    frameLine(this, "Line2", QRect(right, top, 1, bottom - top + 1));
    frameLine(this, "Line3", QRect(left, bottom, right - left + 1, 1));
    frameLine(this, "Line4", QRect(left, top, 1, bottom - top + 1));

    plus->setBuddy(upperField_);
    minus->setBuddy(lowerField_);
    upperField_->setAccessibleName(QStringLiteral("Acceptable Range +"));
    lowerField_->setAccessibleName(QStringLiteral("Acceptable Range -"));

    setTabOrder(rateField_, speedField_);
    setTabOrder(speedField_, spacingField_);
    setTabOrder(spacingField_, calculateButton);
    setTabOrder(calculateButton, resetButton);
    rateField_->setFocus();

    const QSize client(x(8400), at(5160));
    // The heading stays centred over the window, however far the columns moved.
    heading->move((client.width() - heading->width()) / 2, at(480));
    setMinimumSize(client);
    resize(client);

    connect(calculateButton, &QPushButton::clicked, this, &NozzleSelectionScreen::calculate);
    connect(resetButton, &QPushButton::clicked, this, &NozzleSelectionScreen::reset);
}

void NozzleSelectionScreen::Form_Load() {
    ClearNozzleSelection(services_.record);
}

void NozzleSelectionScreen::Form_Unload() {
    StoreNozzleSelection(services_.record,
                         {text(rateField_), text(speedField_), text(spacingField_),
                          text(flowField_), text(upperField_), text(lowerField_)});
}

void NozzleSelectionScreen::calculate() {
    applyOutcome(NozzleSelection(text(rateField_), text(speedField_), text(spacingField_),
                                 decimalSeparator()),
                 [this](const NozzleFlows& flows) {
                     setText(flowField_, flows.flow);
                     // The range can still fail after the flow is shown.
                     applyOutcome(flows.range, [this](const NozzleRange& range) {
                         setText(lowerField_, range.lower);
                         setText(upperField_, range.upper);
                     });
                 });
}

void NozzleSelectionScreen::reset() {
    for (QLineEdit* field :
         {rateField_, speedField_, spacingField_, flowField_, upperField_, lowerField_})
        field->clear();
}

} // namespace zelk
