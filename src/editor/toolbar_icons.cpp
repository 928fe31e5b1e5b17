#include "editor/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace zelk::icons {

namespace {

// Every picture is drawn on a 16 x 16 grid and scaled for larger sizes.
const QColor kInk(40, 40, 40);
const QColor kPaper(255, 255, 255);
const QColor kFolder(230, 180, 60);
const QColor kDisk(50, 90, 170);
const QColor kBlade(120, 130, 140);
const QColor kBoard(170, 120, 70);

QPen Ink(qreal width = 1.0) {
    QPen pen(kInk, width);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// A sheet with its top right corner folded over.
void Page(QPainter& p, const QRectF& r) {
    const qreal fold = 3.0;
    QPainterPath sheet;
    sheet.moveTo(r.left(), r.top());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.right(), r.bottom());
    sheet.lineTo(r.left(), r.bottom());
    sheet.closeSubpath();
    p.setPen(Ink());
    p.setBrush(kPaper);
    p.drawPath(sheet);
    p.drawPolyline(
        QPolygonF({QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold),
                   QPointF(r.right(), r.top() + fold)}));
}

void TextLines(QPainter& p, qreal left, qreal right, qreal top, int count) {
    p.setPen(QPen(QColor(120, 120, 120), 1.0));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(left, top + 2.0 * i), QPointF(right, top + 2.0 * i));
}

void DrawNew(QPainter& p) {
    Page(p, QRectF(3.5, 1.5, 9, 13));
}

void DrawOpen(QPainter& p) {
    p.setPen(Ink());
    p.setBrush(kFolder.darker(115));
    p.drawPolygon(QPolygonF({QPointF(1.5, 3.5), QPointF(5.5, 3.5), QPointF(7, 5), QPointF(13.5, 5),
                             QPointF(13.5, 13.5), QPointF(1.5, 13.5)}));
    p.setBrush(kFolder);
    p.drawPolygon(
        QPolygonF({QPointF(1.5, 13.5), QPointF(4, 7.5), QPointF(15.5, 7.5), QPointF(13.5, 13.5)}));
}

void DrawSave(QPainter& p) {
    p.setPen(Ink());
    p.setBrush(kDisk);
    p.drawPolygon(QPolygonF({QPointF(1.5, 1.5), QPointF(12.5, 1.5), QPointF(14.5, 3.5),
                             QPointF(14.5, 14.5), QPointF(1.5, 14.5)}));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(3.5, 9.5, 9, 5));
    p.setBrush(kInk);
    p.drawRect(QRectF(9, 2.5, 1.5, 3));
}

void DrawCut(QPainter& p) {
    p.setPen(Ink(1.3));
    p.drawLine(QPointF(4.5, 1.5), QPointF(10, 10));
    p.drawLine(QPointF(11.5, 1.5), QPointF(6, 10));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBlade.darker(150), 1.5));
    p.drawEllipse(QPointF(4.5, 12), 2.5, 2.5);
    p.drawEllipse(QPointF(11.5, 12), 2.5, 2.5);
}

void DrawCopy(QPainter& p) {
    Page(p, QRectF(1.5, 1.5, 8, 10));
    Page(p, QRectF(6.5, 4.5, 8, 10));
    TextLines(p, 8.5, 12.5, 9, 3);
}

void DrawPaste(QPainter& p) {
    p.setPen(Ink());
    p.setBrush(kBoard);
    p.drawRect(QRectF(2.5, 2.5, 10, 12));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(5.5, 1.5, 4, 2.5));
    Page(p, QRectF(7.5, 6.5, 7, 8));
    TextLines(p, 9, 13, 10, 2);
}

void DrawPrint(QPainter& p) {
    Page(p, QRectF(4.5, 1.5, 7, 6));
    p.setPen(Ink());
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(1.5, 6.5, 13, 6));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    p.setBrush(QColor(60, 180, 60));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(12, 8, 1.5, 1.5));
}

// B, I and U are drawn as shapes, so they need no font on the machine.
void DrawBold(QPainter& p) {
    QPainterPath b;
    b.moveTo(4, 2);
    b.lineTo(9, 2);
    b.cubicTo(12.5, 2, 12.5, 7.5, 9, 7.5);
    b.cubicTo(13.5, 7.5, 13.5, 14, 9, 14);
    b.lineTo(4, 14);
    b.closeSubpath();
    b.moveTo(6.5, 4);
    b.lineTo(8.5, 4);
    b.cubicTo(10, 4, 10, 6, 8.5, 6);
    b.lineTo(6.5, 6);
    b.closeSubpath();
    b.moveTo(6.5, 9);
    b.lineTo(9, 9);
    b.cubicTo(10.8, 9, 10.8, 12, 9, 12);
    b.lineTo(6.5, 12);
    b.closeSubpath();
    b.setFillRule(Qt::OddEvenFill);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPath(b);
}

void DrawItalic(QPainter& p) {
    p.setPen(QPen(kInk, 2.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(9.5, 2.5), QPointF(6.5, 13.5));
    p.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(7, 2.5), QPointF(12.5, 2.5));
    p.drawLine(QPointF(3.5, 13.5), QPointF(9, 13.5));
}

void DrawUnderline(QPainter& p) {
    QPainterPath u;
    u.moveTo(4.5, 1.5);
    u.lineTo(4.5, 8);
    u.cubicTo(4.5, 12.5, 11.5, 12.5, 11.5, 8);
    u.lineTo(11.5, 1.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 2.0, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(u);
    p.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(3, 14.5), QPointF(13, 14.5));
}

void DrawFind(QPainter& p) {
    p.setPen(QPen(kBoard.darker(130), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
    p.setPen(Ink(1.5));
    p.setBrush(QColor(200, 225, 250));
    p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
}

QPixmap Render(Kind kind, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    switch (kind) {
    case Kind::New:
        DrawNew(p);
        break;
    case Kind::Open:
        DrawOpen(p);
        break;
    case Kind::Save:
        DrawSave(p);
        break;
    case Kind::Cut:
        DrawCut(p);
        break;
    case Kind::Copy:
        DrawCopy(p);
        break;
    case Kind::Paste:
        DrawPaste(p);
        break;
    case Kind::Print:
        DrawPrint(p);
        break;
    case Kind::Bold:
        DrawBold(p);
        break;
    case Kind::Italic:
        DrawItalic(p);
        break;
    case Kind::Underline:
        DrawUnderline(p);
        break;
    case Kind::Find:
        DrawFind(p);
        break;
    }
    return pixmap;
}

QString ThemeName(Kind kind) {
    switch (kind) {
    case Kind::New:
        return QStringLiteral("document-new");
    case Kind::Open:
        return QStringLiteral("document-open");
    case Kind::Save:
        return QStringLiteral("document-save");
    case Kind::Cut:
        return QStringLiteral("edit-cut");
    case Kind::Copy:
        return QStringLiteral("edit-copy");
    case Kind::Paste:
        return QStringLiteral("edit-paste");
    case Kind::Print:
        return QStringLiteral("document-print");
    case Kind::Bold:
        return QStringLiteral("format-text-bold");
    case Kind::Italic:
        return QStringLiteral("format-text-italic");
    case Kind::Underline:
        return QStringLiteral("format-text-underline");
    case Kind::Find:
        return QStringLiteral("edit-find");
    }
    return {};
}

} // namespace

QIcon Drawn(Kind kind) {
    QIcon icon;
    icon.addPixmap(Render(kind, 16));
    icon.addPixmap(Render(kind, 32));
    return icon;
}

QIcon ForToolbar(Kind kind) {
    return QIcon::fromTheme(ThemeName(kind), Drawn(kind));
}

} // namespace zelk::icons
