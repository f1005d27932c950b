#pragma once

#include <QString>
#include <QTest>

// QCOMPARE forgives floats their last bits; the game judges to the last bit, so do we.
inline QByteArray describeExactly(double value)
{
    return QByteArray::number(value, 'g', 17);
}

#define QCOMPARE_EXACT(actual, expected)                                                           \
    QVERIFY2((actual) == (expected),                                                               \
        ("actual " + describeExactly(actual) + ", expected " + describeExactly(expected))          \
            .constData())
