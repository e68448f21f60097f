// Calibration and power of the significance test, on texts drawn from the letter
// chain fitted on a Russian text, with the default module:
//   significance_calibration [--texts N] [--power-texts N] [--order K] [--text FILE]
// Without --text the source is the generated 1 MB text of the benchmarks. Each
// drawn text has as many letters as 20 KB of the source and its slot lengths.
//
// It prints: the share of texts where some word reaches q < 0.05 (with its
// Clopper-Pearson 95 % interval); for the words with an expectation of at least 1,
// the Kolmogorov-Smirnov distance of their randomised p-values from the uniform
// law (P(X > x) + V P(X = x), V uniform, which is uniform exactly when the count
// has the assumed law) and the share of plain p-values at or below 0.001, 0.01 and
// 0.05 (at most alpha for a valid test): for words that cannot overlap
// themselves, for those that can with the clump correction and without it; each
// under the chain refitted on the text (what a run does) and under the source
// chain itself; then the power for words planted at 2, 3 and 5 times their rate,
// and the twenty most significant words of the source text.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iomanip>
#include <iostream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include <boost/math/distributions/binomial.hpp>

#include "bench/bench_inputs.h"
#include "bench/embed_text_generator.h"
#include "common/core/dictionary/dictionary.h"
#include "common/core/files/file_io.h"
#include "common/core/text/codepage.h"
#include "common/core/text/text_encoding.h"
#include "embed/core/embedded_search.h"
#include "embed/core/prepared_text.h"
#include "embed/core/significance/count_tails.h"
#include "embed/core/significance/expected_count.h"
#include "embed/core/significance/letter_model.h"
#include "embed/core/significance/self_overlap.h"
#include "embed/core/significance/significance.h"
#include "embed/core/significance/significance_table.h"
#include "testing/support/letter_chain.h"
#include "testing/support/uniformity.h"

namespace {

using namespace undertext;
using namespace undertext::embed;

struct Options {
    int texts = 500;
    int powerTexts = 200;
    int order = kDefaultModelOrder;
    std::string textFile;  // empty: the generated text
};

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        if (name == "--texts") {
            options.texts = std::atoi(argv[i + 1]);
        } else if (name == "--power-texts") {
            options.powerTexts = std::atoi(argv[i + 1]);
        } else if (name == "--order") {
            options.order = std::atoi(argv[i + 1]);
        } else if (name == "--text") {
            options.textFile = argv[i + 1];
        }
    }
    return options;
}

// The tested words of the module with whether they overlap themselves.
struct TestedWord {
    std::string_view word;
    bool overlapping;
};

std::vector<TestedWord> testedWords(const DicWords& dicWords, int order) {
    std::vector<TestedWord> words;
    for (std::size_t i = 0; i < dicWords.size(); ++i) {
        const auto word = dicWords[i];
        const bool letters = std::all_of(
            word.begin(), word.end(), [](char c) { return static_cast<unsigned char>(c) >= 224; });
        if (letters && word.size() > static_cast<std::size_t>(order) + 1 &&
            (i == 0 || dicWords[i - 1] != word)) {
            words.push_back({word, !wordPeriods(word).empty()});
        }
    }
    return words;
}

// Randomised and plain p-values of one group of words.
struct PValues {
    std::vector<double> randomised;
    std::vector<double> plain;
};

struct Calibration {
    PValues plain, clumping, uncorrected;
};

// The Kolmogorov-Smirnov distance from the uniform law and its asymptotic p-value
// (the words of one text are not independent, so the p-value is a guide only).
std::pair<double, double> kolmogorovSmirnov(const std::vector<double>& values) {
    const auto n = static_cast<double>(values.size());
    const double distance = testing::distanceFromUniform(values);
    const double x = (std::sqrt(n) + 0.12 + 0.11 / std::sqrt(n)) * distance;
    double p = 0;
    for (int k = 1; k <= 100; ++k) {
        p += 2 * (k % 2 == 1 ? 1 : -1) * std::exp(-2.0 * k * k * x * x);
    }
    return {distance, std::clamp(p, 0.0, 1.0)};
}

void printGroup(const char* name, const PValues& values) {
    if (values.plain.empty()) {
        std::cout << "  " << name << ": no word\n";
        return;
    }
    const auto [distance, p] = kolmogorovSmirnov(values.randomised);
    std::cout << "  " << std::left << std::setw(34) << name << std::right << " n=" << std::setw(8)
              << values.plain.size() << "  KS D=" << std::fixed << std::setprecision(4) << distance
              << " (p " << std::scientific << std::setprecision(2) << p << ")" << std::fixed
              << std::setprecision(4)
              << "  P(p<=.001)=" << testing::shareAtMost(values.plain, 0.001)
              << "  P(p<=.01)=" << testing::shareAtMost(values.plain, 0.01)
              << "  P(p<=.05)=" << testing::shareAtMost(values.plain, 0.05) << '\n';
}

class Experiment {
  public:
    Experiment(const DicWords& dicWords, const PreparedText& source, std::size_t sourceBytes,
               const Options& options)
        : dicWords_(dicWords),
          options_(options),
          model_(source.letters, options.order),
          chain_(model_, alphabetOf(source.letters)),
          words_(testedWords(dicWords, options.order)) {
        for (std::uint32_t slot = 1; slot <= source.wordCount(); ++slot) {
            if (const auto length = source.wordEnd[slot] - source.wordEnd[slot - 1]; length > 0) {
                slotLengths_.push_back(length);
            }
        }
        // As many letters as 20 KB of the source has.
        letters_ = source.letterCount() * std::size_t{20480} / sourceBytes;
    }

    std::size_t letters() const { return letters_; }
    const LetterModel& model() const { return model_; }

    PreparedText draw(std::mt19937& random) {
        return testing::slotted(chain_.draw(letters_, random), slotLengths_,
                                random() % slotLengths_.size());
    }

    // The run's own assessment: whether some word reaches q < 0.05.
    bool discovers(const PreparedText& text, const std::vector<EmbeddedWord>& found) const {
        const auto outcome =
            assessSignificance(text, dicWords_, found, Language::Russian, options_.order);
        return !outcome.refusal && !outcome.table.rows.empty() &&
               outcome.table.rows.front().tested && outcome.table.rows.front().q < 0.05;
    }

    // The p-values of every tested word expected at least once under `model`.
    void addPValues(const PreparedText& text, const std::map<std::string_view, std::int64_t>& found,
                    const LetterModel& model, Calibration& calibration,
                    std::mt19937& random) const {
        const CountablePositions positions(text);
        std::uniform_real_distribution<double> uniform(0, 1);
        const auto add = [&](PValues& group, double atLeast, double above) {
            group.plain.push_back(atLeast);
            group.randomised.push_back(above + uniform(random) * (atLeast - above));
        };
        for (const auto& [word, overlapping] : words_) {
            const double expected = expectedCount(model, positions, word);
            if (expected < 1) {
                continue;
            }
            const auto at = found.find(word);
            const std::int64_t count = at == found.end() ? 0 : at->second;
            const double poisson = poissonUpperTail(expected, count);
            const double poissonAbove = poissonUpperTail(expected, count + 1);
            if (!overlapping) {
                add(calibration.plain, poisson, poissonAbove);
                continue;
            }
            const double clump = clumpParameter(model, word);
            add(calibration.clumping, geometricPoissonUpperTail(expected, clump, count),
                geometricPoissonUpperTail(expected, clump, count + 1));
            add(calibration.uncorrected, poisson, poissonAbove);
        }
    }

  private:
    static std::string alphabetOf(const std::string& letters) {
        std::string alphabet;
        for (const char c : letters) {
            if (alphabet.find(c) == std::string::npos) {
                alphabet += c;
            }
        }
        return alphabet;
    }

    const DicWords& dicWords_;
    const Options& options_;
    LetterModel model_;
    testing::LetterChain chain_;
    std::vector<TestedWord> words_;
    std::vector<std::uint32_t> slotLengths_;
    std::size_t letters_ = 0;
};

std::map<std::string_view, std::int64_t> countsOf(const std::vector<EmbeddedWord>& found) {
    std::map<std::string_view, std::int64_t> counts;
    for (const auto& word : found) {
        counts[word.word] = word.count;
    }
    return counts;
}

void calibrate(Experiment& experiment, const DicWords& dicWords, const Options& options) {
    std::mt19937 random(2024);
    Calibration refitted, source;
    int discoveries = 0;
    for (int t = 0; t < options.texts; ++t) {
        const auto text = experiment.draw(random);
        const auto found = EmbeddedSearch(text, dicWords).embeddedWords();
        discoveries += experiment.discovers(text, found);
        const auto counts = countsOf(found);
        experiment.addPValues(text, counts, LetterModel(text.letters, options.order), refitted,
                              random);
        experiment.addPValues(text, counts, experiment.model(), source, random);
    }
    using Binomial = boost::math::binomial_distribution<double>;
    std::cout << std::fixed << std::setprecision(4) << "Texts with some q < 0.05: " << discoveries
              << " of " << options.texts << " = "
              << static_cast<double>(discoveries) / options.texts << ", 95 % interval ["
              << Binomial::find_lower_bound_on_p(options.texts, discoveries, 0.025) << ", "
              << Binomial::find_upper_bound_on_p(options.texts, discoveries, 0.025) << "]\n";
    for (const auto& [name, calibration] :
         {std::pair<const char*, const Calibration&>{"refitted on each text (as a run)", refitted},
          {"the source chain itself", source}}) {
        std::cout << "p-values of words expected at least once, model " << name << ":\n";
        printGroup("cannot overlap (Poisson)", calibration.plain);
        printGroup("overlap, clump-corrected", calibration.clumping);
        printGroup("overlap, plain Poisson", calibration.uncorrected);
    }
}

// The tested word that cannot overlap itself whose expectation in a drawn text
// under the source chain is nearest to `expected` (by ratio).
std::string_view plantedWord(const DicWords& dicWords, const Experiment& experiment,
                             double expected, int order) {
    std::string_view best;
    double bestDistance = 1e9;
    const auto places = static_cast<double>(experiment.letters());
    for (std::size_t i = 0; i < dicWords.size(); ++i) {
        const auto word = dicWords[i];
        if (word.size() <= static_cast<std::size_t>(order) + 1 || !wordPeriods(word).empty()) {
            continue;
        }
        const double distance =
            std::abs(std::log(experiment.model().wordProbability(word) * places / expected));
        if (distance < bestDistance) {
            bestDistance = distance;
            best = word;
        }
    }
    return best;
}

void measurePower(Experiment& experiment, const DicWords& dicWords, const Options& options) {
    std::mt19937 random(77);
    std::cout << "Power: share of texts where the planted word reaches q < 0.05 ("
              << options.powerTexts << " texts each)\n";
    for (const double target : {2.0, 10.0, 50.0}) {
        const auto word = plantedWord(dicWords, experiment, target, options.order);
        const double expected = experiment.model().wordProbability(word) *
                                static_cast<double>(experiment.letters() - word.size() + 1);
        std::cout << "  «" << cp1251ToUtf8(word) << "», expected " << std::setprecision(2)
                  << expected << ":";
        for (const int rate : {2, 3, 5}) {
            int reached = 0;
            for (int t = 0; t < options.powerTexts; ++t) {
                auto text = experiment.draw(random);
                const auto extra = static_cast<int>(std::lround((rate - 1) * expected));
                for (int i = 0; i < extra; ++i) {
                    text.letters.replace(random() % (text.letters.size() - word.size()),
                                         word.size(), word);
                }
                const auto outcome = assessSignificance(
                    text, dicWords, EmbeddedSearch(text, dicWords).embeddedWords(),
                    Language::Russian, options.order);
                const auto& rows = outcome.table.rows;
                const auto row =
                    std::find_if(rows.begin(), rows.end(),
                                 [&](const SignificanceRow& r) { return r.word == word; });
                reached += row != rows.end() && row->q < 0.05;
            }
            std::cout << "  x" << rate << " " << std::setprecision(3)
                      << static_cast<double>(reached) / options.powerTexts;
        }
        std::cout << '\n';
    }
}

void showTopWords(const PreparedText& source, const DicWords& dicWords, const Options& options) {
    const auto outcome =
        assessSignificance(source, dicWords, EmbeddedSearch(source, dicWords).embeddedWords(),
                           Language::Russian, options.order);
    if (outcome.refusal) {
        std::cout << refusalMessage(*outcome.refusal, options.order) << '\n';
        return;
    }
    auto rows = outcome.table.rows;
    rows.resize(std::min<std::size_t>(rows.size(), 20));
    std::cout << "The twenty most significant words of the source text (family "
              << outcome.table.familySize << "):\n"
              << significanceTsv(rows);
}

}  // namespace

int main(int argc, char** argv) {
    const auto options = parse(argc, argv);
    const auto loaded = loadDicWords(bench::dictionaryFolder(), {"COMMON.DIC"});
    if (!loaded) {
        std::cerr << loaded.error() << " (run bench/run.sh first)\n";
        return 1;
    }
    const auto& dicWords = loaded.value();
    std::string sourceText;
    if (options.textFile.empty()) {
        sourceText = bench::generateRussianText(dicWords, 1 << 20);
    } else {
        const auto read = readWholeFile(options.textFile);
        if (!read) {
            std::cerr << read.error() << '\n';
            return 1;
        }
        sourceText = decodeText(read.value()).cp1251;
    }
    const auto source = prepareLetters(sourceText, Language::Russian);
    const auto started = std::chrono::steady_clock::now();
    Experiment experiment(dicWords, source, sourceText.size(), options);
    std::cout << "Model order " << options.order << ", fitted on " << source.letterCount()
              << " letters; drawn texts of " << experiment.letters() << " letters; "
              << dicWords.size() << " module words\n";
    calibrate(experiment, dicWords, options);
    measurePower(experiment, dicWords, options);
    showTopWords(source, dicWords, options);
    std::cout << "("
              << std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() -
                                                                  started)
                     .count()
              << " s)\n";
    return 0;
}
