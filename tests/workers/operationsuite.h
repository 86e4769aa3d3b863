#pragma once

#include "operationfixture.h"

#include <QObject>
#include <QtTest>

// A suite over OperationFixture: started once, reset before every case.
class OperationSuite : public QObject
{
    Q_OBJECT

protected:
    OperationFixture m_fixture;

    // What a suite adds to every case after the reset.
    virtual void prepare() {}

private slots:
    void initTestCase() { QVERIFY(m_fixture.start()); }

    void init()
    {
        QVERIFY(m_fixture.reset());
        prepare();
    }
};
