// An area that builds a widget: the check must refuse it.
#include "core/Paths.h"

#include <QWidget>
