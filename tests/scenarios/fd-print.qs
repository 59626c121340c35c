# Printing the parabola on one page, from the boxes as they are.
# The runner's printed lists every operation of the page; no unit test prints through the
# window, so the whole page is the expectation.
click Fst.Command1
printer fd-page.pdf
click Fd.Prt
printed
messages
canvas Fd
# No printer is queued for this press: a job sent to the printer would fail the script.
echo "the boxes are printed without bringing the forms in line"
select Fd.List1 4
type Fd.Text4 1E306
type Fd.Text2 1E306
click Fd.Prt
messages
text Fd.Text5
