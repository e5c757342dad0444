#include "host/current.h"

namespace lumo::host {
CurrentHost current;
}
