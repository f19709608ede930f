#include "TExCustomItem.h"

TExCustomItem::~TExCustomItem() = default;
