#pragma once
#include <QByteArrayView>

#include <functional>

// Where a document's bytes go as they are made, in order, a piece at a time.
using ByteSink = std::function<void(QByteArrayView)>;
