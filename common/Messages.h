#pragma once
#include <QString>

// The one message every card and search shows when an archive fails.
QString ArchiveAccessMessage();
