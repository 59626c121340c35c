# Locale: nl_NL.UTF-8
# Under a Dutch locale a typed decimal comma reads as the decimal point, as the table writes it.
click Fst.Command1
type Fd.Text2 0,5
click Fd.Command5
text Fd.Text2
text Fd.Text7
echo "a period still reads as the decimal point"
type Fd.Text2 0.25
click Fd.Command5
text Fd.Text7
echo "a comma in the exponent form: 1,5e2 reads as 150"
select Fst.List1 6
click Fst.Command1
type Fa.Text2 1,5e2
click Fa.Command1
text Fa.Text6
