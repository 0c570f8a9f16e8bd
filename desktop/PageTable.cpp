#include "PageTable.h"

#include <array>

#include "ixoMain.h"

namespace desktop {
namespace {

using Form = TIxoBibleMainForm;

constexpr std::array<PageDescriptor, Form::PageCount> kPages = {{
    {.page = &Form::pageIxo,
     .menu = &Form::BibleMenu,
     .menuClick = [](Form& form, QObject*) { form.BibleMenuClick(); },
     .tree = &Form::TreeIxo,
     .browser = &Form::HtmlBible,
     .bookList = &Form::ListViewIxo,
     .caption = "Version 2011",
     .label = "Ixo Bible 2011",
     .selectionNamesPlace = true},
    {.page = &Form::pageSearch,
     .menu = &Form::SearchMenu,
     .menuClick = [](Form& form, QObject* sender) { form.SearchMenuClick(sender); },
     .tree = &Form::TreeSearch,
     .browser = &Form::HtmlFound,
     .bookList = &Form::ListViewFound,
     .caption = "Search Results",
     .label = "Search Results",
     .selectionNamesPlace = true},
    {.page = &Form::PageHistory,
     .menu = &Form::ReviewMenu,
     .menuClick = [](Form& form, QObject*) { form.ReviewMenuClick(); },
     .tree = &Form::TreeHistory,
     .browser = &Form::htmlHistory,
     .caption = "Search History",
     .label = "Search History",
     .selectionNamesPlace = true,
     .stepsSiblings = true},
    {.page = &Form::PageNames,
     .menu = &Form::NamesMenu,
     .menuClick = [](Form& form, QObject*) { form.NamesMenuClick(); },
     .tree = &Form::TreeNames,
     .browser = &Form::HtmlNames,
     .caption = "Proper Names",
     .label = "Proper Names",
     .selectionNamesPlace = true},
    {.page = &Form::PageOptions,
     .menu = &Form::OptionsMenu,
     .menuClick = [](Form& form, QObject*) { form.OptionsMenuClick(); },
     .caption = "Configuration Options",
     .label = "Configuration Options"},
    {.page = &Form::PageHelp,
     .menu = &Form::HelpMenu,
     .menuClick = [](Form& form, QObject*) { form.HelpMenuClick(); },
     .tree = &Form::TreeHelp,
     .browser = &Form::HtmlHelp,
     .caption = "Ixo Bible Help",
     .label = "Ixo Bible Help"},
}};

}  // namespace

std::span<const PageDescriptor> MainPages() { return kPages; }

const PageDescriptor& BiblePage() { return kPages.front(); }

}  // namespace desktop
