// The program's logo: a boom nozzle over a green field, painted in code so it
// is crisp at any scale.
#pragma once

#include <QIcon>
#include <QWidget>

namespace zelk {

class Logo : public QWidget {
    Q_OBJECT

public:
    explicit Logo(QWidget* parent = nullptr, int size = 64);
    QSize sizeHint() const override;

    // The same drawing as a window icon.
    static QIcon icon();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int size_;
};

} // namespace zelk
