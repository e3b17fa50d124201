#pragma once

class QLineEdit;

// A field the user cannot change refuses typing and shows it: it takes the
// grey of a button face instead of the white of an input field. A screen
// reader hears it as read-only from the line edit itself.
void setReadOnlyField(QLineEdit *field, bool readOnly);
