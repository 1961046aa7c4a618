#pragma once

class QAbstractButton;

namespace stocks {

/// Lets Enter and Return press the button while it has the focus, as Space does.
void pressOnReturn(QAbstractButton* button);

} // namespace stocks
