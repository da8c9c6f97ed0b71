#include "newsdesk/Vocabulary.h"

#include <array>

namespace newsdesk {
namespace {

using namespace std::string_view_literals;

// Every lede starts with a word of at least two letters written in mixed case,
// so that printing it in capitals always changes it.
constexpr std::array kWorldLedes{
    "Diplomats from {country} and {country} agreed {when} to resume talks on {object}, ending a pause that had lasted {n} months"sv,
    "The government of {country} said {when} it would send envoys to {place} to discuss {object} with its neighbours"sv,
    "Negotiators meeting in {place} failed {when} to reach a deal on {object}, and both delegations said further talks were unlikely before {later}"sv,
    "Foreign ministers from {n} countries gathered in {place} {when} for a summit dominated by {object}"sv,
    "Thousands of people marched through the centre of {place} {when} to protest against {object}"sv,
    "{country}&#39;s parliament voted {when} to approve {object}, a measure the opposition had fought for more than a year"sv,
};
constexpr std::array kUsLedes{
    "The city council of {place} voted {when} to approve {object}, despite objections from several neighbourhood groups"sv,
    "State lawmakers meeting in {place} postponed a decision {when} on {object}, saying they needed more time to study the costs"sv,
    "Officials in {place} announced {when} that {object} would go ahead after a two-year delay"sv,
    "Federal investigators opened an inquiry {when} into {object} after complaints from residents of {place}"sv,
    "Voters in {place} will decide before {later} whether to fund {object}, after the county board placed the question on the ballot"sv,
    "The governor's office said {when} that {object} would receive an extra {n} million dollars in the coming budget"sv,
};
constexpr std::array kBusinessLedes{
    "Shares of {company} rose {n} per cent {when} after the company reported quarterly profits well above analysts&#39; forecasts"sv,
    "{company} said {when} it would cut {n}00 jobs at its plant in {place} as demand for {object} continued to fall"sv,
    "The central bank of {country} left interest rates unchanged {when}, but warned that {risk} could slow the recovery"sv,
    "{company} agreed {when} to buy {company} in a deal worth {n} billion dollars, creating one of the largest makers of {object}"sv,
    "Retail sales in {place} fell for the {ordinal} month in a row {when}, according to figures from the regional statistics office"sv,
};
constexpr std::array kTechLedes{
    "Researchers at the University of {place} said {when} they had built {object} that uses a fraction of the power of earlier designs"sv,
    "{company} unveiled {object} {when}, promising to ship the first units to customers before {later}"sv,
    "Engineers working on {object} reported {when} that the project had passed its final round of tests in {place}"sv,
    "Astronomers based in {place} announced {when} the discovery of {n} previously unknown comets in the outer solar system"sv,
    "Regulators in {country} opened a review {when} of the way {company} stores data collected from its customers"sv,
};
constexpr std::array kSportsLedes{
    "{team} beat {team} {score} {when}, moving to within {n} points of the top of the league with {n} games left to play"sv,
    "{person} scored twice in the second half as {team} came from behind to win in {place} {when}"sv,
    "{team} confirmed {when} that their captain would miss the rest of the season with a knee injury suffered in training"sv,
    "Organisers of the {place} marathon said {when} that a record {n} thousand runners had registered for this year&#39;s race"sv,
    "{team} appointed {person} as head coach {when}, ending a search that began when the previous coach left in the spring"sv,
};
constexpr std::array kEntertainmentLedes{
    "The film {title}, shot on location in {place}, took the top prize {when} at the {place} festival"sv,
    "{person} will star in a stage adaptation of {title}, which opens at the Royal Theatre in {place} before {later}"sv,
    "The band {band} announced {when} a tour of {n} cities, their first in almost a decade"sv,
    "Tickets for the {place} music festival sold out within {n} hours {when}, organisers said, leaving thousands of fans disappointed"sv,
    "{title}, the long-running television drama, will end after its {ordinal} season, the network confirmed {when}"sv,
};
constexpr std::array kHealthLedes{
    "Doctors in {place} reported {when} a sharp rise in cases of seasonal flu, and urged older residents to get vaccinated before {later}"sv,
    "Scientists who followed {n} thousand adults reported {when} that regular walking was linked to a lower risk of {object}"sv,
    "The health ministry of {country} said {when} it would fund {n} new clinics in rural areas to shorten waiting times"sv,
    "Hospitals across {place} postponed routine operations {when} after a shortage of nursing staff left several wards closed"sv,
    "Researchers in {place} said {when} that a new screening test could detect {object} years earlier than current methods"sv,
};

// One headline per lede above, in the same order.
constexpr std::array kWorldHeadlines{
    "{country} and {country} agree to resume talks"sv, "{country} to send envoys to {place}"sv,
    "Talks in {place} end without a deal"sv,           "Foreign ministers gather in {place}"sv,
    "Protesters fill the streets of {place}"sv,        "{country} parliament backs {object}"sv,
};
constexpr std::array kUsHeadlines{
    "{place} council approves {object}"sv,    "Lawmakers delay decision on {object}"sv,
    "{place} gives go-ahead for {object}"sv,  "Inquiry opened into {object}"sv,
    "{place} voters to decide on {object}"sv, "Extra {n} million dollars for {object}"sv,
};
constexpr std::array kBusinessHeadlines{
    "{company} shares jump {n} per cent on profit surprise"sv,
    "{company} to cut {n}00 jobs in {place}"sv,
    "{country} central bank holds rates steady"sv,
    "{company} agrees takeover of {company}"sv,
    "Retail sales slip again in {place}"sv,
};
constexpr std::array kTechHeadlines{
    "{place} researchers unveil energy-saving design"sv,
    "{company} shows off its latest device"sv,
    "Final tests passed in {place}"sv,
    "Astronomers spot {n} new comets"sv,
    "Regulators review {company} data practices"sv,
};
constexpr std::array kSportsHeadlines{
    "{team} beat {team} to close gap at the top"sv,
    "Late double from {person} lifts {team}"sv,
    "{team} captain out for the season"sv,
    "Record field for {place} marathon"sv,
    "{team} name {person} head coach"sv,
};
constexpr std::array kEntertainmentHeadlines{
    "{title} wins top festival prize"sv,       "{person} to lead stage version of {title}"sv,
    "{band} announce {n}-city tour"sv,         "{place} festival sells out in {n} hours"sv,
    "{title} to end after {ordinal} season"sv,
};
constexpr std::array kHealthHeadlines{
    "Flu cases rise in {place}"sv,
    "Walking linked to lower risk of {object}"sv,
    "{country} to fund {n} rural clinics"sv,
    "Staff shortage hits {place} hospitals"sv,
    "New test could spot {object} years earlier"sv,
};

constexpr std::array kWorldDetails{
    "The foreign ministry of {country} described the mood of the talks as cautious but constructive."sv,
    "Aid groups working near {place} said the situation on the ground had not yet changed."sv,
    "A joint statement is expected once both cabinets have reviewed the text."sv,
};
constexpr std::array kUsDetails{
    "The county board is expected to take up the matter again at its next meeting."sv,
    "Construction could begin as early as {later} if the remaining permits are granted."sv,
    "Parents and teachers packed the public gallery, and several speakers ran out of time."sv,
};
constexpr std::array kBusinessDetails{
    "Analysts at {company} said the figures pointed to a slow but steady recovery."sv,
    "The company&#39;s shares have gained {n} per cent since the start of the year."sv,
    "Trading volumes were higher than usual, with more than {n} million shares changing hands."sv,
};
constexpr std::array kTechDetails{
    "The device was tested for {n} weeks in the laboratory before the first field trials began."sv,
    "Independent experts said the results were promising but would need to be repeated."sv,
    "The source code and the design files are to be published under an open licence."sv,
};
constexpr std::array kSportsDetails{
    "The home side had the better of the first half but could not find a way through."sv,
    "A crowd of more than {n} thousand watched the match despite the heavy rain."sv,
    "The club said the player would begin his recovery at its training ground in {place}."sv,
};
constexpr std::array kEntertainmentDetails{
    "Critics praised the performances but were divided on the ending."sv,
    "The production will move to {place} for a short run before {later}."sv,
    "Fans queued overnight outside the box office in {place} for the last remaining seats."sv,
};
constexpr std::array kHealthDetails{
    "Family doctors in {place} said their waiting rooms had been full all week."sv,
    "The authors said more work was needed before the findings could change medical advice."sv,
    "Patients are advised to contact their local clinic before travelling to hospital."sv,
};

constexpr std::array kSharedDetails{
    "{person}, {role}, said the outcome had been expected for several weeks."sv,
    "According to {person}, {role}, the first changes could take effect before {later}."sv,
    "Figures published {when} showed a change of {n} per cent compared with the same period last year."sv,
    "Critics said the plan left too many questions unanswered, while supporters called it long overdue."sv,
    "The announcement followed {n} months of discussion in {place} and several public meetings."sv,
    "{person} told reporters in {place} that further details would be released before {later}."sv,
    "Some residents said they had mixed feelings about the decision and wanted to hear more."sv,
    "A spokesperson for {company} declined to comment when asked about the matter."sv,
    "It was the {ordinal} such announcement in {place} this year."sv,
    "Turnout at a public meeting in {place} was unusually high, according to people who attended."sv,
    "The office&#39;s own review of the matter is due to be published before {later}."sv,
    "{person}&#39;s team said it would study the proposal closely before taking a position."sv,
    "The cost is expected to be shared between {place} and the regional government."sv,
    "Earlier estimates had put the figure at roughly {n} million dollars, but that number has since been revised."sv,
    "Local newspapers in {place} have followed the story closely since it first emerged."sv,
    "Several people involved asked not to be named because the discussions were private."sv,
    "Officials said they would publish a full timetable once the remaining questions were settled."sv,
    "There was no immediate response from {company} or from the mayor's office in {place}."sv,
    "{person} said the agreement was a good start, but not the end of the process."sv,
    "'We have waited a long time for this,' said {person}, who has lived in {place} for {n} years."sv,
};

constexpr std::array kWorldObjects{
    "the shared river basin"sv,
    "fishing rights in the northern strait"sv,
    "a regional trade corridor"sv,
    "the release of detained journalists"sv,
    "border crossings in the mountain provinces"sv,
    "a ceasefire along the eastern frontier"sv,
    "new rules on grain exports"sv,
};
constexpr std::array kUsObjects{
    "a plan to rebuild the {place} bridge"sv,      "the school budget for next year"sv,
    "new limits on overnight parking downtown"sv,  "an upgrade of the water treatment plant"sv,
    "the expansion of the county hospital"sv,      "a new commuter rail line"sv,
    "repairs to the storm-damaged harbour wall"sv,
};
constexpr std::array kBusinessObjects{
    "kitchen appliances"sv, "industrial pumps"sv, "packaged foods"sv,   "shipping containers"sv,
    "farm machinery"sv,     "solar panels"sv,     "office furniture"sv,
};
constexpr std::array kTechObjects{
    "a battery cell"sv,
    "a weather satellite"sv,
    "a low-cost water filter"sv,
    "a handheld translator"sv,
    "a solar-powered pump"sv,
    "a new kind of memory chip"sv,
    "an open-source mapping tool"sv,
};
constexpr std::array kHealthObjects{
    "heart disease"sv,        "type 2 diabetes"sv, "hearing loss"sv,
    "certain eye diseases"sv, "kidney disease"sv,
};

constexpr std::array kWorldRoles{"the foreign minister"sv, "a senior envoy"sv,
                                 "a spokesperson for the ministry"sv,
                                 "an adviser to the delegation"sv};
constexpr std::array kUsRoles{"a member of the council"sv, "the county executive"sv,
                              "a spokesperson for the mayor"sv, "a state senator"sv};
constexpr std::array kBusinessRoles{"the chief executive"sv, "an analyst at a local bank"sv,
                                    "the finance director"sv, "a union representative"sv};
constexpr std::array kTechRoles{"the lead researcher"sv, "a professor of engineering"sv,
                                "the project manager"sv, "an independent expert"sv};
constexpr std::array kSportsRoles{"the team captain"sv, "the head coach"sv, "the club chairman"sv,
                                  "a former international"sv};
constexpr std::array kEntertainmentRoles{"the director"sv, "the festival organiser"sv,
                                         "the producer"sv, "a long-time critic"sv};
constexpr std::array kHealthRoles{"a senior doctor"sv, "the health minister"sv,
                                  "the study's lead author"sv, "a hospital manager"sv};

constexpr std::array kPlaces{
    "Kestrel Bay"sv, "Harlow Vale"sv, "Ostmere"sv,      "Port Calder"sv,
    "Brannock"sv,    "Wendlow"sv,     "Sallow Cross"sv, "Tarnbury"sv,
    "Eskridge"sv,    "Millhaven"sv,   "Corrin Falls"sv, "Duneford"sv,
};
constexpr std::array kCountries{"Tervania"sv, "Solvara"sv,  "Quellany"sv,
                                "Norvesse"sv, "Belcaria"sv, "Ostravia"sv};
constexpr std::array kCompanies{
    "Birch &amp; Kettle"sv, "Hollis &amp; Crane"sv, "Marlow Industries"sv, "Calder Freight"sv,
    "Northwind Foods"sv,    "Tessaly Energy"sv,     "Orrin Motor Works"sv, "Vantrell Group"sv,
};
constexpr std::array kPeople{
    "Miriam Okafor"sv, "Daniel Reyes-Hart"sv, "Tomas Lindqvist"sv, "Aisha Rahimi"sv,
    "Peter Vance"sv,   "Helen Marsh"sv,       "Jonah Whitcombe"sv, "Grace Adeyemi"sv,
    "Luis Carrow"sv,   "Nadia Petrenko"sv,    "Owen Gallagher"sv,  "Sofia Brandt"sv,
};
constexpr std::array kWhen{"on Monday"sv, "on Tuesday"sv,     "on Wednesday"sv, "on Thursday"sv,
                           "on Friday"sv, "late on Sunday"sv, "this week"sv,    "earlier today"sv};
constexpr std::array kLater{"the end of the year"sv, "next spring"sv, "the autumn"sv,
                            "next month"sv, "the summer"sv};
constexpr std::array kOrdinals{"second"sv, "third"sv, "fourth"sv, "fifth"sv, "sixth"sv};
constexpr std::array kNumbers{"2"sv, "3"sv, "4"sv,  "5"sv,  "6"sv,  "7"sv,
                              "8"sv, "9"sv, "11"sv, "12"sv, "14"sv, "18"sv};
constexpr std::array kScores{"2-1"sv, "3-0"sv, "1-0"sv, "4-2"sv, "3-2"sv};
constexpr std::array kTeams{"the Kestrel Bay Rovers"sv, "Harlow Vale Athletic"sv,
                            "the Ostmere Falcons"sv,    "Port Calder United"sv,
                            "the Brannock Wolves"sv,    "Tarnbury Town"sv};
constexpr std::array kTitles{"The Salt Road"sv,    "Winter at Eskridge"sv,
                             "Nine Quiet Rooms"sv, "The Cartographer&#39;s Daughter"sv,
                             "Low Tide"sv,         "Paper Kings"sv};
constexpr std::array kBands{"the Lamplighters"sv, "Copper Hollow"sv, "the Night Ferries"sv,
                            "Glass Orchard"sv};
constexpr std::array kRisks{"rising energy prices"sv, "weak consumer spending"sv,
                            "a slowdown in exports"sv, "higher borrowing costs"sv};

constexpr std::array kOutlets{
    "The Kestrel Bay Herald"sv, "Harlow Vale Ledger"sv,   "Ostmere Evening Post"sv,
    "Calder Valley Times"sv,    "Wendlow Chronicle"sv,    "Tarnbury Gazette"sv,
    "Eskridge Courier"sv,       "The Millhaven Record"sv, "Duneford Dispatch"sv,
    "Sallow Cross Sentinel"sv,
};

static_assert(kWorldHeadlines.size() == kWorldLedes.size());
static_assert(kUsHeadlines.size() == kUsLedes.size());
static_assert(kBusinessHeadlines.size() == kBusinessLedes.size());
static_assert(kTechHeadlines.size() == kTechLedes.size());
static_assert(kSportsHeadlines.size() == kSportsLedes.size());
static_assert(kEntertainmentHeadlines.size() == kEntertainmentLedes.size());
static_assert(kHealthHeadlines.size() == kHealthLedes.size());

template <class Array> WordList ListOf(const Array& items) {
    return WordList(items.data(), items.size());
}

// Index 0 is World (topic 1).
WordList ByTopic(int topic, std::array<WordList, kTopicCount> lists) {
    return lists[static_cast<std::size_t>(topic - 1)];
}

} // namespace

WordList LedePatterns(int topic) {
    return ByTopic(topic, {ListOf(kWorldLedes), ListOf(kUsLedes), ListOf(kBusinessLedes),
                           ListOf(kTechLedes), ListOf(kSportsLedes), ListOf(kEntertainmentLedes),
                           ListOf(kHealthLedes)});
}

WordList HeadlinePatterns(int topic) {
    return ByTopic(topic,
                   {ListOf(kWorldHeadlines), ListOf(kUsHeadlines), ListOf(kBusinessHeadlines),
                    ListOf(kTechHeadlines), ListOf(kSportsHeadlines),
                    ListOf(kEntertainmentHeadlines), ListOf(kHealthHeadlines)});
}

WordList TopicDetailPatterns(int topic) {
    return ByTopic(topic, {ListOf(kWorldDetails), ListOf(kUsDetails), ListOf(kBusinessDetails),
                           ListOf(kTechDetails), ListOf(kSportsDetails),
                           ListOf(kEntertainmentDetails), ListOf(kHealthDetails)});
}

WordList SharedDetailPatterns() {
    return ListOf(kSharedDetails);
}

WordList SlotWords(int topic, std::string_view slot) {
    if (slot == "object") {
        return ByTopic(topic, {ListOf(kWorldObjects), ListOf(kUsObjects), ListOf(kBusinessObjects),
                               ListOf(kTechObjects), ListOf(kTechObjects), ListOf(kTitles),
                               ListOf(kHealthObjects)});
    }
    if (slot == "role") {
        return ByTopic(topic, {ListOf(kWorldRoles), ListOf(kUsRoles), ListOf(kBusinessRoles),
                               ListOf(kTechRoles), ListOf(kSportsRoles),
                               ListOf(kEntertainmentRoles), ListOf(kHealthRoles)});
    }
    const std::array<std::pair<std::string_view, WordList>, 13> shared{{
        {"place", ListOf(kPlaces)},
        {"country", ListOf(kCountries)},
        {"company", ListOf(kCompanies)},
        {"person", ListOf(kPeople)},
        {"when", ListOf(kWhen)},
        {"later", ListOf(kLater)},
        {"ordinal", ListOf(kOrdinals)},
        {"n", ListOf(kNumbers)},
        {"score", ListOf(kScores)},
        {"team", ListOf(kTeams)},
        {"title", ListOf(kTitles)},
        {"band", ListOf(kBands)},
        {"risk", ListOf(kRisks)},
    }};
    for (const auto& [name, words] : shared) {
        if (name == slot) {
            return words;
        }
    }
    return {};
}

WordList Outlets() {
    return ListOf(kOutlets);
}

WordList Places() {
    return ListOf(kPlaces);
}

} // namespace newsdesk
