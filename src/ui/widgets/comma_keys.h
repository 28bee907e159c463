#pragma once
// Fields where a typed "." is written as the decimal comma.

class QLineEdit;

// Every other key, editing keys and shortcuts included, passes unchanged.
void typePointAsComma(QLineEdit* field);
