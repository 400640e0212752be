#include "core/SchemaUpgrade.h"

void SchemaUpgrade::runIfNeeded(QString &) {}
