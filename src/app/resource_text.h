// The texts shipped inside the program (resources/resources.qrc): the
// licence and the user guide.
#pragma once

#include <QString>

namespace zelk {

// The resource's UTF-8 text; empty if the program was built without it.
QString ResourceText(const QString& path);

} // namespace zelk
