# Lines and circles as it opens: its controls where they differ from Lines and parabolas, its
# sliders, and its canvas at the design size.
select Fst.List1 "Lines en circles"
click Fst.Command1
text Fh
rows Fh.List1
value Fh.List1
rows Fh.List2
text Fh.Text1
text Fh.Text2
text Fh.Text5
text Fh.Text7
text Fh.Text8
value Fh.Check1
text Fh.Label1
text Fh.Label4
geometry Fh.Label1
geometry Fh.List1
geometry Fh.Frame1
geometry Fh.Frame2
geometry Fh.Label2
geometry Fh.Label3
geometry Fh.List2
geometry Fh.Label4
geometry Fh.Text8
geometry Fh.Command4
geometry Fh.Text2
echo "the canvas side at the design size, 8985 by 6765 twips, and after a resize"
geometry Fh.Picture1
canvas Fh
resize Fh 9985 7265
geometry Fh.Picture1
canvas Fh
resize Fh 8985 6765
canvas Fh
echo "the coefficient sliders"
scroll Fh.VScroll4 -50
text Fh.Text4
scroll Fh.VScroll6 20
text Fh.Text6
echo "the scale slider"
scroll Fh.VScroll1 9
text Fh.Text1
