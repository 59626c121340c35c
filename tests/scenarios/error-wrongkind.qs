# A list box cannot be scrolled like a scroll bar.
scroll Fst.List1 3
