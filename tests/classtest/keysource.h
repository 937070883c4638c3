#pragma once

// A calculator in memory for the class-test tests: its first scale with the
// defaults, the minimum scores computed by the calculators' own functions.

#include "scales/bandsource.h"

namespace zm::test {

class KeySource : public zm::scales::BandSource
{
public:
    KeySource(const zm::scales::CalculatorDefinition &calculator, const QString &maximum)
        : m_scale(calculator.scales.first())
        , m_maximum(maximum)
    {
        using namespace zm::scales;
        m_thresholds = calculator.startThresholds;
        for (int i = 0; i < m_scale.defaults.size(); ++i) {
            const int band = m_scale.firstDefault - 1 + i;
            if (band < m_thresholds.size())
                m_thresholds[band] = m_scale.defaults.at(i);
        }
        const ScaleInputs inputs = parseInputs(StrictnessNeutral, maximum, m_thresholds);
        for (int band = 0; band < m_thresholds.size(); ++band) {
            const Fixed minimum = calculator.rule == MinimumRule::Offset
                                      ? offsetMinimumScore(inputs.thresholds.at(band), Fixed(), inputs.maximum)
                                      : bandMinimum(inputs, band, calculator.startRounding);
            m_minimums << zm::scales::minimumText(minimum, calculator.startRounding);
        }
    }

    QString scoreText() const override { return m_maximum; }
    const zm::scales::ScaleDefinition &chosenScale() const override { return m_scale; }
    QString thresholdText(int band) const override { return m_thresholds.value(band); }
    QString minimumText(int band) const override { return m_minimums.value(band); }

private:
    zm::scales::ScaleDefinition m_scale;
    QString m_maximum;
    QStringList m_thresholds;
    QStringList m_minimums;
};

} // namespace zm::test
